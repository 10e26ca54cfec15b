// The buttons of the profile page pressed as a person presses them: the rows selected first, and
// a disabled button refused with the reason the page has for it.
#pragma once

#include <string>
#include <vector>

#include "host/printer_session.h"
#include "page_host.h"

namespace prfhost {

// The built-in profile's name as the page lists it.
std::string BuiltInName(host::PrinterSession &session);

// A page step that selects the rows (none: the selection stays) and presses the button; false
// with a message when the page lists no such row or keeps the button disabled.
DialogStepFunction PressButton(host::PrinterSession &session, int button,
                               std::vector<std::string> selected);

// Runs the page with the script; then a question nobody answered, or one answered other than
// yes, fails the command with nothing stored. Otherwise the machine's state is saved.
bool RunAndSave(Context &context, const PageScript &script, PageRun *run, std::string *error);

}  // namespace prfhost
