// What the user did in a real control, read back into the model before the
// notification is dispatched.
#include "settings_dialog/win32/dialog_win32.h"

#include "settings_dialog/settings_dialog.h"

namespace {

// The model's largest field; the model cuts the text to the field it goes to.
char capturedText[kMessageFieldSize];

}  // namespace

void captureControl(HWND dialog, int id)
{
    switch (settingsControlKind(id)) {
    case ControlKind::ListBox:
    case ControlKind::DropDown: captureSelection(id, selectedItem(dialog, id, *itemMessagesOf(id))); break;
    case ControlKind::CheckButton: captureCheck(id, isChecked(dialog, id)); break;
    case ControlKind::EditField: {
        // Through UTF-16 into CP932: the length the check counts is CP932
        // bytes whatever the system's code page is.
        char32_t refused = 0;
        readControlText(dialog, id, capturedText, kMessageFieldSize, &refused);
        captureText(id, capturedText, refused);
        break;
    }
    case ControlKind::PushButton:
    case ControlKind::None: break;
    }
}
