#include "app/board_window.h"
#include "app/shell_state.h"
#include "app/version_box.h"
#include "resources/resource.h"
#include "settings_dialog/settings_dialog_win32.h"

namespace {

// A dialog that could not be made never clears the flag itself; left set,
// it would keep the menu and the auto-exit off for the rest of the run.
// The box keeps its own handle in openBox (its creation parameter) while it
// is open.
void runModal(HWND window, int templateId, DLGPROC procedure)
{
    ownBoxOpen = true;
    modalOpen = 1;
    const LPARAM handleStore = reinterpret_cast<LPARAM>(&openBox);
    if (DialogBoxParamW(appInstance, MAKEINTRESOURCEW(templateId), window, procedure, handleStore) == -1) modalOpen = 0;
    openBox = nullptr;
    ownBoxOpen = false;
    // What fell due while the box was open.
    followDate(window);
    followFile(window);
}

void onSettingsCommand(HWND window)
{
    runModal(window, IDD_SETTINGS, settingsDialogProc);
    InvalidateRect(window, nullptr, TRUE);
}

// WM_DESTROY closes the board.
void onExitCommand(HWND window) { DestroyWindow(window); }

void onVersionCommand(HWND window) { runModal(window, IDD_VERSION, versionBoxProc); }

}  // namespace

LRESULT onCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case IDM_SETTINGS: onSettingsCommand(window); break;
    case IDM_EXIT: onExitCommand(window); break;
    case IDM_VERSION: onVersionCommand(window); break;
    default: break;
    }
    return DefWindowProcW(window, WM_COMMAND, wParam, lParam);
}
