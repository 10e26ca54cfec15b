// Identifiers of the resources the module and the host's resource module share: dialog templates
// and their controls, the page icon and bitmaps, and the host strings the module loads by
// number. The host's .rc files include this header, so plain #defines (the resource compiler
// reads nothing else).
#ifndef PRF_ABI_RESOURCE_IDS_H
#define PRF_ABI_RESOURCE_IDS_H

// Dialog templates of the profile page, by platform and language.
#define IDD_PAGE 4287      // Windows 2000 and later
#define IDD_PAGE_ANSI 507  // Windows 95, 98, Me and NT 4.0
#define IDD_PAGE_RTL 106   // Arabic, Farsi, Hebrew
#define IDD_PAGE_JAPANESE 502
#define IDD_PAGE_KOREAN 503
#define IDD_PAGE_SIMPLIFIED 504
#define IDD_PAGE_TRADITIONAL 505
// The profile-properties dialog.
#define IDD_PROFILE_PROPERTIES 108
// The settings-information dialog, by platform and language.
#define IDD_SETTINGS_INFO 1033      // Windows 2000 and later
#define IDD_SETTINGS_INFO_OLD 1026  // older platforms
#define IDD_SETTINGS_INFO_KOREAN 1028
#define IDD_SETTINGS_INFO_JAPANESE 1029
#define IDD_SETTINGS_INFO_RTL 1030  // Arabic, Hebrew
#define IDD_SETTINGS_INFO_SIMPLIFIED 1031
#define IDD_SETTINGS_INFO_TRADITIONAL 1032

// Controls of the profile page.
#define IDC_PROFILE_ADD 106
#define IDC_PROFILE_DELETE 107
#define IDC_PROFILE_EDIT 108
#define IDC_PROFILE_IMPORT 109
#define IDC_PROFILE_APPLY 110
#define IDC_PROFILE_EXPORT 111
#define IDC_PROFILE_LIST_TITLE 1010
#define IDC_PROFILE_LIST 1149
#define IDC_BUTTON_SEPARATOR 1022     // etched line under the buttons
#define IDC_SUMMARY_SEPARATOR 1025    // etched line beside the summary
#define IDC_PROFILE_DESCRIPTION 1037  // the selected profile's description
#define IDC_DESCRIPTION_LABEL 1057    // its label
#define IDC_DECORATION 1066           // the area of the decorative picture
#define IDC_SETTINGS_SUMMARY 1074
#define IDC_SETTINGS_INFO 1895
// Controls of the driver's own pages that the settings information reads when one of them opens
// it: the print-size text of the paper page and the entry list of the prologue/epilogue page.
#define IDC_PAPER_PRINT_SIZE 1337
#define IDC_PROLOG_EPILOG_LIST 105

// Controls of the profile-properties dialog.
#define IDC_PROPERTIES_NAME 1038
#define IDC_PROPERTIES_DESCRIPTION 1037
#define IDC_PROPERTIES_ICONS 1042
#define IDC_PROPERTIES_COLOR 181
#define IDC_PROPERTIES_NAME_LABEL 1039
#define IDC_PROPERTIES_DESCRIPTION_LABEL 1040
#define IDC_PROPERTIES_INFO_FRAME 1041
#define IDC_PROPERTIES_ICON_LABEL 1043
#define IDC_PROPERTIES_ICON_FRAME 1058
#define IDC_PROPERTIES_COLOR_LABEL 1059

// Controls of the settings-information dialog.
#define IDC_SETTINGS_TREE 1894
// The help topic of the tree in the driver's help files.
#define SETTINGS_TREE_HELP_ID 309

// The page icon and pictures.
#define IDI_PAGE 103
#define IDB_PROFILE_ICON_FIRST 112  // bitmaps 112 to 156: one per icon index
#define PROFILE_ICON_COUNT 45
#define IDB_DECORATION 1346

// The help context the page passes to the resource module's help calls.
#define PAGE_HELP_ID 4287

// Host strings of the page.
#define IDS_PAGE_TITLE 11
#define IDS_OK_CAPTION 915
#define IDS_CANCEL_CAPTION 916
#define IDS_APPLY_CAPTION 919
#define IDS_SUMMARY_LABEL_COLUMN 1918
#define IDS_SUMMARY_VALUE_COLUMN 1919
#define IDS_PROFILE_LIST_TITLE 1921
#define IDS_ADD_CAPTION 1922
#define IDS_EDIT_CAPTION 1923
#define IDS_DELETE_CAPTION 1925
#define IDS_IMPORT_CAPTION 1926
#define IDS_EXPORT_CAPTION 1927
#define IDS_DEFAULT_PROFILE_NAME 1940
#define IDS_DEFAULT_PROFILE_INFO 1941
#define IDS_DESCRIPTION_LABEL 1949
#define IDS_NO_PROFILE_SELECTED 2123
#define IDS_SETTINGS_INFO_CAPTION 2708
#define IDS_LANGUAGE_COLON 2709

// Host strings of the page's questions: deleting the selected profiles, and a name already taken
// (a format with the name as its one argument).
#define IDS_CONFIRM_DELETE 1948
#define IDS_PROFILE_EXISTS 2121
#define IDS_PROFILE_EXISTS_CAPTION 1946
// Profile files: the chooser's filters and titles and the questions of export and import, all
// under caption 1946 but the model question, which takes the import title 1936.
#define IDS_ALL_FILES_FILTER 1720
#define IDS_EXPORT_SKIPS_DEFAULT 1920
#define IDS_IMPORT_TITLE 1936
#define IDS_EXPORT_TITLE 1937
#define IDS_PROFILE_FILES_FILTER 1938
#define IDS_OTHER_MODEL_FILE 1945
#define IDS_FILE_EXISTS 1947
#define IDS_TOO_MANY_PROFILES 2122

// Host strings of the profile-properties dialog: its titles, its labels and the names of the
// icon colours (2101 to 2117, one per colour in order).
#define IDS_NEW_PROFILE_TITLE 137
#define IDS_PROFILE_PROPERTIES_TITLE 138
#define IDS_PROPERTIES_COLOR_LABEL 1928
#define IDS_PROPERTIES_NAME_LABEL 1931
#define IDS_PROPERTIES_DESCRIPTION_LABEL 1932
#define IDS_PROPERTIES_INFO_FRAME 1933
#define IDS_PROPERTIES_ICON_LABEL 1939
#define IDS_PROFILE_COLOR_FIRST 2101

// Host strings of the settings-information dialog: its title, the driver's pages it shows (the
// pages' titles), their values and the notice of a changed mailbox list.
#define IDS_SETTINGS_INFO_TITLE 2710
#define IDS_PAGE_PAPER 1
#define IDS_PAGE_LAYOUT 2
#define IDS_PAGE_QUALITY 3
#define IDS_PAGE_COLOR 4
#define IDS_PAGE_OUTPUT 5
#define IDS_PAGE_PROLOG_EPILOG 8
#define IDS_PAGE_WATERMARK 9
#define IDS_PAGE_DEVICE_OPTIONS 15
#define IDS_PAGE_DRIVER_BUILD 19
#define IDS_INFO_ON 2701
#define IDS_INFO_OFF 2702
#define IDS_INFO_YES 2703
#define IDS_INFO_NO 2704
#define IDS_INFO_ENABLED 561
#define IDS_INFO_DISABLED 562
#define IDS_BUILD_PRE_RELEASE 2000
#define IDS_BUILD_RELEASE 2001
#define IDS_MAILBOXES_CHANGED 78

#endif  // PRF_ABI_RESOURCE_IDS_H
