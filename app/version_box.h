// The version box: a small modal dialog that only OK closes.
#pragma once

#include <windows.h>

INT_PTR CALLBACK versionBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
