// The profile page's import command run on a started machine as a user who answers every
// question yes: the page is opened through the module's RunProfile, its Import button pressed,
// the open chooser answered with the file, and the page closed with its Cancel button.
#pragma once

#include <string>
#include "abi/wide.h"

namespace invariant {

// With an empty file the page is only opened and closed. False with a message when the page
// could not be shown or its Import button is disabled.
bool RunPageImport(const WideString &printer, const WideString &file, std::string *error);

}  // namespace invariant
