// Where LoadLibrary looks for modules, and where a loaded module lives on the host. The module
// functions themselves are in <libloaderapi.h>.
#pragma once

#include <string>

#include <windef.h>

namespace winplat {

// Adds a host folder (UTF-8) to the end of the module search order.
void AddModuleSearchFolder(const std::string &hostFolder);

// The host path (UTF-8) of a module loaded by LoadLibrary, as an image or a data file, or of the
// main program; empty for an unknown handle.
std::string ModuleHostPath(HMODULE module);

}  // namespace winplat
