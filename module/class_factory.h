// The class factory behind GetClass: the module's two classes by name.
#pragma once

#include <windows.h>

// A new CProfil or CControlSetProfil for `className` (ASCII case ignored), owned by the caller,
// or null. A wrong interface version and any failure while creating are reported in a message
// box; an unknown name is not.
void *CreateModuleClass(LPCSTR className, int interfaceVersion);
