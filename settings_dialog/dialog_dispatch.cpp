#include "settings_dialog/dialog_internal.h"

namespace {

// A selection change of the two lists and the four date boxes.
void runSelectionChange(int controlId)
{
    switch (controlId) {
    case IDC_MESSAGE_LIST: messageListSelectionChange(); break;
    case IDC_DATE_LIST: dateListSelectionChange(); break;
    case IDC_ORDINAL_BOX:
    case IDC_WEEKDAY_BOX:
    case IDC_MONTH_BOX:
    case IDC_DAY_BOX: dateBoxSelectionChange(controlId); break;
    default: break;
    }
}

}  // namespace

DialogOutcome settingsDialogCommand(int controlId, int notifyCode, OwnerWindow owner)
{
    // The buttons act on their id alone, whatever the code says.
    switch (controlId) {
    case kOkId: return settingsOk(owner);
    case kCancelId: return settingsCancel(owner);
    case IDC_ADD_MESSAGE: addMessage(); return DialogOutcome::KeepOpen;
    case IDC_CHANGE_MESSAGE: changeMessage(); return DialogOutcome::KeepOpen;
    case IDC_DELETE_MESSAGE: deleteMessage(); return DialogOutcome::KeepOpen;
    case IDC_ADD_DATE: addDate(); return DialogOutcome::KeepOpen;
    case IDC_CHANGE_DATE: changeDate(); return DialogOutcome::KeepOpen;
    case IDC_DELETE_DATE: deleteDate(); return DialogOutcome::KeepOpen;
    default: break;
    }
    // Selection and text changes of other controls mean nothing here.
    if (notifyCode == kSelectionChangeCode) {
        runSelectionChange(controlId);
    } else if (notifyCode == kTextChangeCode) {
        if (controlId == IDC_MESSAGE_TEXT) checkMessageText();
    } else {
        // Clicks of the mode buttons and check boxes, focus moves, lists
        // opening and closing: every one may follow a change of the options.
        refreshOptions();
    }
    return DialogOutcome::KeepOpen;
}
