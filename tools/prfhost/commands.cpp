// The table of prfhost's commands.
#include "cli.h"

namespace prfhost {

const std::vector<Command> &Commands() {
  static const std::vector<Command> commands = {
      {"printers", "list the machine's printers",
       "usage: prfhost printers [--json]\n"
       "\n"
       "Lists the printers of the machine: name, driver, port and whether the printer is local\n"
       "or a network connection. The first one is the printer that commands use when --printer\n"
       "is not given. --json prints {\"printers\": [{\"name\", \"driver\", \"port\", "
       "\"type\"}]}.\n",
       RunPrinters},
      {"settings", "show or change the printer's current settings",
       "usage: prfhost settings [show] [FIELD...] [--json]\n"
       "       prfhost settings set FIELD=VALUE [FIELD=VALUE...]\n"
       "       prfhost settings reset\n"
       "       prfhost settings fields\n"
       "\n"
       "The current settings are the printer's DEVMODE as the driver's user interface holds it:\n"
       "its public fields (dmPaperSize, dmOrientation, ...), the fields of the driver's main\n"
       "private block (pdMain.wOutBinIdx, ...; the profile-file names such as PFPD_OUTBINIDX\n"
       "work too) and a few fields of the plug-in blocks (watermark.szName, poster.dwLayout, "
       "...).\n"
       "\n"
       "show     prints every field, or the fields named; --json prints them as a list of\n"
       "         {\"field\", \"block\", \"value\"} with the private blocks\n"
       "set      changes fields; values are numbers (decimal or 0x hex), names from the\n"
       "         printer's lists (dmPaperSize=A4, dmDefaultSource=Tray2, pdMain.wOutBinIdx=Rear,\n"
       "         dmOrientation=landscape) or text for text fields. Either every change is made\n"
       "         or, when one is wrong, none.\n"
       "reset    goes back to the printer's default settings\n"
       "fields   lists the field names with their sizes and aliases\n",
       RunSettings},
      {"install", "register the profile module with the printer's driver",
       "usage: prfhost install\n"
       "\n"
       "Registers PRFMOD32.dll with the driver of the printer (--printer, default the first\n"
       "printer), as the driver's setup does: through the module's RunJZModuleCmd 601. The\n"
       "module takes the first free entry number from 2 on, or the number of its own earlier\n"
       "registration. A user who may not change the printer cannot install.\n",
       RunInstall},
      {"uninstall", "remove the profile module's registration from the driver",
       "usage: prfhost uninstall\n"
       "\n"
       "Removes PRFMOD32.dll's registration from the driver of the printer (RunJZModuleCmd\n"
       "602). Fails when the module is not registered there.\n",
       RunUninstall},
      {"status", "show the profile module's file and registration",
       "usage: prfhost status [--json]\n"
       "\n"
       "Shows what the module reports to the driver of the printer (RunJZModuleCmd 604): its\n"
       "file, the file's version, the registration status (901 registered and enabled, 902\n"
       "registered but not enabled, 903 not registered) and the version registered. --json\n"
       "prints them as one object (registeredVersion null when not registered).\n",
       RunStatus},
      {"values", "show the profiles the printer has stored and their values",
       "usage: prfhost values [PROFILE] [--json]\n"
       "\n"
       "Without PROFILE, lists the profiles stored in the printer's data (\"JzProfileCount\",\n"
       "\"JzProfileData\"): registry number, name, icon, icon colour and description.\n"
       "With PROFILE (its name, case ignored), lists the values that profile's index\n"
       "\"JZP_<number>\" names: name, type, stored size and where the value lives, as printer\n"
       "data \"JZP_<number>_<name>\" or, for user profiles on Windows 95, 98 and Me, as a side\n"
       "file in the driver directory. A profile that is not stored is an error. --json prints\n"
       "the same as one object with a list of profiles or of values.\n",
       RunValues},
      {"page", "picture the profile page or its settings information",
       "usage: prfhost page --png FILE [--lang CODE]\n"
       "                    [--select PROFILE | --info | --properties PROFILE | --new]\n"
       "\n"
       "Shows the profile page stand-alone through the module's RunProfile, as the driver's\n"
       "user interface does, and writes its picture to FILE (PNG). CODE is the user-interface\n"
       "language the host reports: en, ja, or a language code such as 0x0401 (Arabic, right to\n"
       "left) or 0x0407 (German); it chooses the page's template, fonts and reading order.\n"
       "With --select, the row of PROFILE (its name as the page lists it) is selected first,\n"
       "so that the picture shows its settings summary. With --info, the page's information\n"
       "button opens the settings information, and the picture is of that dialog with every\n"
       "node of its tree expanded. With --properties, the row of PROFILE is selected and the\n"
       "page's Edit button opens the profile-properties dialog; with --new, the Add button opens\n"
       "it for a new profile. The picture is of that dialog, which is then cancelled.\n",
       RunPage},
      {"list", "list the profiles as the profile page shows them",
       "usage: prfhost list [--lang CODE] [--json]\n"
       "\n"
       "Opens the profile page and prints the rows of its profile list: row 0 is the built-in\n"
       "profile under its localized name, the stored profiles follow in the page's order.\n"
       "--json prints {\"profiles\": [names...]}.\n",
       RunList},
      {"show", "show a profile's settings summary as the profile page builds it",
       "usage: prfhost show PROFILE [--lang CODE] [--json]\n"
       "\n"
       "Opens the profile page, selects the row of PROFILE (its name as \"prfhost list\" prints\n"
       "it) and prints the page's settings summary for it: label and value per row, in the\n"
       "page's language. A profile the page does not list is an error. --json prints the rows\n"
       "as a list of {\"label\", \"value\"}.\n",
       RunShow},
      {"info", "show the current settings as the settings information lists them",
       "usage: prfhost info [--lang CODE] [--json]\n"
       "\n"
       "Opens the profile page, presses its information button and prints the tree that the\n"
       "module's settings-information dialog shows of the printer's current settings: a node\n"
       "per page of the driver, the settings under it, indented by level, in the page's\n"
       "language (CODE as for \"prfhost page\"). --json prints the tree as JSON, each node with\n"
       "its text, whether the dialog shows it expanded, and its children. Models without the\n"
       "settings information are an error.\n",
       RunInfo},
      {"diff", "show how two stored profiles, or a profile and the current settings, differ",
       "usage: prfhost diff PROFILE PROFILE [--json]\n"
       "       prfhost diff PROFILE --current [--json]\n"
       "\n"
       "Compares the settings two stored profiles hold (names as \"prfhost values\" lists them,\n"
       "case ignored), or a profile and the printer's current settings, and prints every\n"
       "setting in which they differ with both values: the named fields of the public DEVMODE,\n"
       "of the driver's main block and of the plug-in blocks (the names of \"prfhost settings\n"
       "fields\"), the bytes no named field covers as ranges per block, blocks only one side\n"
       "has, and the driver data sets that differ (sizes, or the bytes from the first that\n"
       "differs). The current settings are compared in the form a profile stores them: the\n"
       "print size and output bin as the list entry's identifier + 1000. Nothing is printed\n"
       "when they do not differ. --json prints {\"differences\": [...]} with null for a side\n"
       "that lacks a setting. A profile that is not stored, or has no stored settings, is an\n"
       "error.\n",
       RunDiff},
      {"add", "save the current settings as a new profile",
       "usage: prfhost add NAME [--description TEXT] [--icon N] [--colour NAME|#RRGGBB] [--yes]\n"
       "\n"
       "Opens the profile page, presses its Add button and fills the profile-properties dialog:\n"
       "the name, the description, the icon (0 to 44) and the icon colour, one of the colour\n"
       "box's names (White, Black, Red, ...; as the page's language shows them) or #RRGGBB. A\n"
       "colour the box has no name for is chosen through its custom entry and the colour\n"
       "chooser. The page stores the printer's current settings and its driver data sets as\n"
       "the new profile. When a profile of that name exists, the page asks whether to replace\n"
       "it: the answer comes from --answers, --yes or the terminal; without one the command\n"
       "changes nothing. Fails when the page's Add button is disabled (26 profiles, a user who\n"
       "may not change the printer).\n",
       RunAdd},
      {"edit", "change a profile's name, description, icon or colour",
       "usage: prfhost edit PROFILE [--name NEW] [--description TEXT] [--icon N]\n"
       "                    [--colour NAME|#RRGGBB] [--yes]\n"
       "\n"
       "Opens the profile page, selects PROFILE, presses its Edit button and changes in the\n"
       "profile-properties dialog what the options give (at least one). A new name that another\n"
       "profile has makes the page ask whether to replace that profile (answered as for add).\n"
       "The built-in profile cannot be edited.\n",
       RunEdit},
      {"delete", "delete profiles",
       "usage: prfhost delete PROFILE... [--yes]\n"
       "\n"
       "Opens the profile page, selects the profiles' rows, presses its Delete button and\n"
       "answers the page's confirmation (from --answers, --yes or the terminal; without an\n"
       "answer nothing is deleted). The page never deletes the built-in profile.\n",
       RunDelete},
      {"apply", "make a profile's settings the printer's current settings",
       "usage: prfhost apply PROFILE\n"
       "\n"
       "Opens the profile page, selects PROFILE and presses its Apply button: the page restores\n"
       "the profile's settings onto the printer and writes its driver data sets back, and the\n"
       "host takes them as the printer's current settings (see prfhost settings).\n",
       RunApply},
      {"export", "write profiles to a profile file",
       "usage: prfhost export FILE PROFILE... [--yes]\n"
       "       prfhost export FILE --all [--yes]\n"
       "\n"
       "Opens the profile page, selects the profiles' rows (with --all every row but the\n"
       "built-in profile's), presses its Export button and answers the save chooser with FILE\n"
       "(\".jzp\" is added to a name without an extension). The page asks before it replaces an\n"
       "existing file and before it skips the built-in profile: the answers come from\n"
       "--answers, --yes or the terminal; without one nothing is written. Prints the profiles\n"
       "the file holds afterwards.\n",
       RunExport},
      {"import", "add the profiles of a profile file, and tell what was adapted",
       "usage: prfhost import FILE [--yes] [--json]\n"
       "\n"
       "Opens the profile page, presses its Import button and answers the open chooser with\n"
       "FILE. The page asks before it imports a file made for another model or driver version,\n"
       "and before it replaces a profile of the same name (answered as for add; a profile whose\n"
       "question is not answered yes is left out). Afterwards compares each profile of the file\n"
       "with what the page stored of it and prints what the import adapted on this printer: a\n"
       "paper size the printer does not offer (replaced by Letter or A4), a resolution above the\n"
       "printer's best (capped), a custom paper size merged into the printer's table (reused, or\n"
       "added under a new name), values of the file that were not stored, and plug-in blocks\n"
       "the printer's driver does not have. --json prints {\"profiles\": [{\"name\",\n"
       "\"imported\", \"number\", \"adapted\": [{\"kind\", \"text\", \"details\"}]} or\n"
       "{\"name\", \"imported\": false, \"reason\"}]}. Fails when a profile of the file was\n"
       "left out.\n",
       RunImport},
  };
  return commands;
}

}  // namespace prfhost
