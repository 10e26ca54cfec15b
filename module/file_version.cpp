// The module's file version where no VERSIONINFO resource can carry it (version.rc does on
// Windows).
#include <winplat/image_sections.h>

WINPLAT_FILE_VERSION(PRF_VERSION_MAJOR, PRF_VERSION_MINOR, PRF_VERSION_PATCH, PRF_VERSION_TWEAK);
