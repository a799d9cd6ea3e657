#pragma once

// The Win32 API, less the macro that would rename the program's own MessageBox service.
#include <windows.h>
#undef MessageBox
