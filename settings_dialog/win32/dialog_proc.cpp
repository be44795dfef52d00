// The dialog procedure of template 106: each message goes to the model's
// handler, then the model is copied into the real controls.
#include "settings_dialog/settings_dialog_win32.h"

#include "settings_dialog/settings_dialog.h"
#include "settings_dialog/win32/dialog_win32.h"

namespace {

INT_PTR onInitDialog(HWND dialog, LPARAM opening)
{
    const SettingsDialogOpening& open = *reinterpret_cast<const SettingsDialogOpening*>(opening);
    *open.handleStore = dialog;
    initSettingsDialog(*open.board);
    mirrorControls(dialog);
    // TRUE: the dialog manager gives the first tab stop, OK, the focus.
    return TRUE;
}

INT_PTR onCommand(HWND dialog, WPARAM wParam)
{
    // Setting a text from the model makes the field report a change that
    // the model has already handled.
    if (mirroring()) return TRUE;
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    captureControl(dialog, id);
    const DialogOutcome outcome = settingsDialogCommand(id, code, dialog);
    mirrorControls(dialog);
    if (outcome == DialogOutcome::End) EndDialog(dialog, kSettingsDialogResult);
    return TRUE;
}

// The controls draw themselves; the request only needs acknowledging.
INT_PTR onPaint(HWND dialog)
{
    PAINTSTRUCT paint;
    BeginPaint(dialog, &paint);
    EndPaint(dialog, &paint);
    return TRUE;
}

}  // namespace

INT_PTR CALLBACK settingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return onInitDialog(dialog, lParam);
    case WM_COMMAND: return onCommand(dialog, wParam);
    case WM_PAINT: return onPaint(dialog);
    default: return FALSE;
    }
}
