#include "app/version_box.h"
#include "app/shell_state.h"

// Only OK ends the box, and Enter presses OK; Escape's IDCANCEL is left
// alone, so it does not close it.
INT_PTR CALLBACK versionBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        modalOpen = 0;
        EndDialog(box, 0);
        return TRUE;
    }
    return FALSE;
}
