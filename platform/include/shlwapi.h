// Same name as the Windows SDK header, so that code written for Windows includes it unchanged.
#pragma once

#include "windows.h"
