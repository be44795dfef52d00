#include "app/board_window.h"
#include "app/shell_state.h"
#include "app/startup_shortcut.h"
#include "app/version_box.h"
#include "resources/resource.h"
#include "settings_dialog/settings_dialog_win32.h"

namespace {

// A dialog that could not be made never clears the flag itself; left set,
// it would keep the menu and the auto-exit off for the rest of the run.
// The box keeps its own handle in openBox (its creation parameter) while it
// is open.
void runModal(HWND window, int templateId, DLGPROC procedure, LPARAM parameter)
{
    shell.ownBoxOpen = true;
    modalOpen = 1;
    if (DialogBoxParamW(program.instance, MAKEINTRESOURCEW(templateId), window, procedure, parameter) == -1)
        modalOpen = 0;
    program.openBox = nullptr;
    shell.ownBoxOpen = false;
    // What fell due while the box was open.
    followDate(window);
    followFile(window);
}

void onSettingsCommand(HWND window)
{
    SettingsDialogOpening opening = {&program.openBox, &board};
    runModal(window, IDD_SETTINGS, settingsDialogProc, reinterpret_cast<LPARAM>(&opening));
    InvalidateRect(window, nullptr, TRUE);
}

// Checked, the shortcut goes; unchecked, it comes. The mark shows the
// outcome the next time the menu opens; a failure only beeps, as a box
// opened here would not hold off the auto-exit.
void onStartupCommand()
{
    const bool done = hasStartupShortcut() ? removeStartupShortcuts() : addStartupShortcut();
    if (!done) MessageBeep(MB_ICONERROR);
}

// WM_DESTROY closes the board.
void onExitCommand(HWND window) { DestroyWindow(window); }

void onVersionCommand(HWND window)
{
    runModal(window, IDD_VERSION, versionBoxProc, reinterpret_cast<LPARAM>(&program.openBox));
}

}  // namespace

LRESULT onCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case IDM_SETTINGS: onSettingsCommand(window); break;
    case IDM_STARTUP: onStartupCommand(); break;
    case IDM_EXIT: onExitCommand(window); break;
    case IDM_VERSION: onVersionCommand(window); break;
    default: break;
    }
    return DefWindowProcW(window, WM_COMMAND, wParam, lParam);
}
