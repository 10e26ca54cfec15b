// The table of prfhost's commands.
#include "cli.h"

namespace prfhost {

const std::vector<Command> &Commands() {
  static const std::vector<Command> commands = {
      {"printers", "list the machine's printers",
       "usage: prfhost printers\n"
       "\n"
       "Lists the printers of the machine: name, driver, port and whether the printer is local\n"
       "or a network connection. The first one is the printer that commands use when --printer\n"
       "is not given.\n",
       RunPrinters},
      {"settings", "show or change the printer's current settings",
       "usage: prfhost settings [show] [FIELD...]\n"
       "       prfhost settings set FIELD=VALUE [FIELD=VALUE...]\n"
       "       prfhost settings reset\n"
       "       prfhost settings fields\n"
       "\n"
       "The current settings are the printer's DEVMODE as the driver's user interface holds it:\n"
       "its public fields (dmPaperSize, dmOrientation, ...), the fields of the driver's main\n"
       "private block (pdMain.wOutBinIdx, ...; the profile-file names such as PFPD_OUTBINIDX\n"
       "work too) and a few fields of the plug-in blocks (watermark.szName, poster.dwLayout, ...).\n"
       "\n"
       "show     prints every field, or the fields named\n"
       "set      changes fields; values are numbers (decimal or 0x hex), names from the\n"
       "         printer's lists (dmPaperSize=A4, dmDefaultSource=Tray2, pdMain.wOutBinIdx=Rear,\n"
       "         dmOrientation=landscape) or text for text fields. Either every change is made\n"
       "         or, when one is wrong, none.\n"
       "reset    goes back to the printer's default settings\n"
       "fields   lists the field names with their sizes and aliases\n",
       RunSettings},
  };
  return commands;
}

}  // namespace prfhost
