#include "settings_dialog/dialog_internal.h"

namespace {

// One control seen through the properties its kind has; the pointers a
// kind lacks stay null.
struct ControlRef {
    ControlKind kind = ControlKind::None;
    unsigned* changes = nullptr;
    bool* enabled = nullptr;
    bool* on = nullptr;
    char* text = nullptr;
    int textSize = 0;
    bool* readOnly = nullptr;
    int* charLimit = nullptr;
    char* items = nullptr;
    int itemSize = 0;
    int* count = nullptr;
    int* selected = nullptr;
};

template <int N, int S> ControlRef listRef(ControlKind kind, ItemListControl<N, S>& list)
{
    ControlRef ref;
    ref.kind = kind;
    ref.changes = &list.changes;
    ref.enabled = &list.enabled;
    ref.items = &list.items[0][0];
    ref.itemSize = S;
    ref.count = &list.count;
    ref.selected = &list.selected;
    return ref;
}

ControlRef buttonRef(ButtonControl& button)
{
    ControlRef ref;
    ref.kind = ControlKind::PushButton;
    ref.changes = &button.changes;
    ref.enabled = &button.enabled;
    return ref;
}

ControlRef checkRef(CheckControl& check)
{
    ControlRef ref;
    ref.kind = ControlKind::CheckButton;
    ref.changes = &check.changes;
    ref.on = &check.on;
    return ref;
}

template <int S> ControlRef fieldRef(TextFieldControl<S>& field)
{
    ControlRef ref;
    ref.kind = ControlKind::EditField;
    ref.changes = &field.changes;
    ref.text = field.text;
    ref.textSize = S;
    ref.readOnly = &field.readOnly;
    ref.charLimit = &field.charLimit;
    return ref;
}

ControlRef controlRef(int controlId)
{
    SettingsDialogControls& c = dialogControls;
    switch (controlId) {
    case IDC_MESSAGE_LIST: return listRef(ControlKind::ListBox, c.messageList);
    case IDC_DATE_LIST: return listRef(ControlKind::ListBox, c.dateList);
    case IDC_MESSAGE_TEXT: return fieldRef(c.messageField);
    case IDC_WEEK_RULE_MODE: return checkRef(c.weekRuleButton);
    case IDC_CALENDAR_MODE: return checkRef(c.calendarButton);
    case IDC_ORDINAL_BOX: return listRef(ControlKind::DropDown, c.ordinalBox);
    case IDC_WEEKDAY_BOX: return listRef(ControlKind::DropDown, c.weekdayBox);
    case IDC_MONTH_BOX: return listRef(ControlKind::DropDown, c.monthBox);
    case IDC_DAY_BOX: return listRef(ControlKind::DropDown, c.dayBox);
    case IDC_ADD_DATE: return buttonRef(c.addDateButton);
    case IDC_NOTICE: return fieldRef(c.notice);
    case IDC_CHANGE_DATE: return buttonRef(c.changeDateButton);
    case IDC_DELETE_DATE: return buttonRef(c.deleteDateButton);
    case IDC_ADD_MESSAGE: return buttonRef(c.addMessageButton);
    case IDC_CHANGE_MESSAGE: return buttonRef(c.changeMessageButton);
    case IDC_DELETE_MESSAGE: return buttonRef(c.deleteMessageButton);
    case IDC_TOPMOST: return checkRef(c.topmostBox);
    case IDC_AUTOEND: return checkRef(c.autoExitBox);
    case IDC_ENDSEC: return fieldRef(c.secondsField);
    default: return ControlRef{};
    }
}

}  // namespace

ControlKind settingsControlKind(int controlId) { return controlRef(controlId).kind; }

void markControlChanged(int controlId, unsigned changes)
{
    const ControlRef ref = controlRef(controlId);
    if (ref.changes) *ref.changes |= changes;
}

void captureSelection(int controlId, int index)
{
    const ControlRef ref = controlRef(controlId);
    if (!ref.selected) return;
    *ref.selected = (index >= 0 && index < *ref.count) ? index : kNoSelection;
}

void captureCheck(int controlId, bool on)
{
    const ControlRef ref = controlRef(controlId);
    if (!ref.on) return;
    *ref.on = on;
    // The two mode buttons form one group: one on turns the other off.
    if (on && controlId == IDC_WEEK_RULE_MODE) dialogControls.calendarButton.on = false;
    if (on && controlId == IDC_CALENDAR_MODE) dialogControls.weekRuleButton.on = false;
}

void captureText(int controlId, std::string_view text, char32_t refused)
{
    const ControlRef ref = controlRef(controlId);
    if (!ref.text) return;
    cp932CopyFit(ref.text, ref.textSize, text);
    if (controlId == IDC_MESSAGE_TEXT) dialogState.refusedCharacter = refused;
}

unsigned takeControlChanges(int controlId)
{
    const ControlRef ref = controlRef(controlId);
    if (!ref.changes) return 0;
    const unsigned changes = *ref.changes;
    *ref.changes = 0;
    return changes;
}

int controlItemCount(int controlId)
{
    const ControlRef ref = controlRef(controlId);
    return ref.count ? *ref.count : 0;
}

const char* controlItemText(int controlId, int index)
{
    const ControlRef ref = controlRef(controlId);
    if (!ref.items || index < 0 || index >= *ref.count) return "";
    return ref.items + static_cast<size_t>(index) * ref.itemSize;
}

int controlSelection(int controlId)
{
    const ControlRef ref = controlRef(controlId);
    return ref.selected ? *ref.selected : kNoSelection;
}

bool controlEnabled(int controlId)
{
    const ControlRef ref = controlRef(controlId);
    return ref.enabled ? *ref.enabled : true;
}

bool controlChecked(int controlId)
{
    const ControlRef ref = controlRef(controlId);
    return ref.on ? *ref.on : false;
}

const char* controlText(int controlId)
{
    const ControlRef ref = controlRef(controlId);
    return ref.text ? ref.text : "";
}

bool controlReadOnly(int controlId)
{
    const ControlRef ref = controlRef(controlId);
    return ref.readOnly ? *ref.readOnly : false;
}

int controlCharLimit(int controlId)
{
    const ControlRef ref = controlRef(controlId);
    return ref.charLimit ? *ref.charLimit : 0;
}
