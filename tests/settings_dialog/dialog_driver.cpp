#include "dialog_driver.h"

BoardState testBoard;

namespace {

constexpr int kClickCode = 0;      // BN_CLICKED
constexpr int kKillFocusCode = 5;  // LBN_KILLFOCUS; any code but 1 and EN_CHANGE

DialogOutcome dispatch(int id, int code) { return settingsDialogCommand(id, code, nullptr); }

}  // namespace

Step init() { return {Act::Init, 0, 0, {}, 0}; }
Step type(std::string text, char32_t refused) { return {Act::Type, IDC_MESSAGE_TEXT, 0, std::move(text), refused}; }
Step selectMessage(int index) { return {Act::SelectMessage, IDC_MESSAGE_LIST, index, {}, 0}; }
Step selectDate(int index) { return {Act::SelectDate, IDC_DATE_LIST, index, {}, 0}; }
Step box(int boxId, int index) { return {Act::Box, boxId, index, {}, 0}; }
Step click(int buttonId) { return {Act::Click, buttonId, 0, {}, 0}; }
Step focus(int controlId) { return {Act::Focus, controlId, 0, {}, 0}; }
Step press(int buttonId) { return {Act::Press, buttonId, 0, {}, 0}; }

DialogOutcome run(const Step& step)
{
    switch (step.act) {
    case Act::Init: initSettingsDialog(testBoard); return DialogOutcome::KeepOpen;
    case Act::Type: captureText(step.id, step.text, step.refused); return dispatch(step.id, kTextChangeCode);
    case Act::SelectMessage:
    case Act::SelectDate:
    case Act::Box: captureSelection(step.id, step.index); return dispatch(step.id, kSelectionChangeCode);
    case Act::Click: {
        // Automatic radio buttons turn on; automatic check boxes toggle.
        const bool radio = step.id == IDC_WEEK_RULE_MODE || step.id == IDC_CALENDAR_MODE;
        captureCheck(step.id, radio ? true : !controlChecked(step.id));
        return dispatch(step.id, kClickCode);
    }
    case Act::Focus: return dispatch(step.id, kKillFocusCode);
    case Act::Press: return dispatch(step.id, kClickCode);
    }
    return DialogOutcome::KeepOpen;
}

void runAll(const std::vector<Step>& steps)
{
    for (const Step& step : steps) run(step);
}

std::string buttonMask()
{
    const SettingsDialogControls& c = dialogControls;
    std::string mask;
    for (const ButtonControl* b : {&c.addMessageButton, &c.changeMessageButton, &c.deleteMessageButton})
        mask += b->enabled ? '1' : '0';
    mask += '|';
    for (const ButtonControl* b : {&c.addDateButton, &c.changeDateButton, &c.deleteDateButton})
        mask += b->enabled ? '1' : '0';
    return mask;
}

void setMessage(int index, const char* text, std::initializer_list<DateCode> dates)
{
    MessageTable& table = testBoard.schedule.table;
    MessageEntry& entry = table.entries[index];
    cp932CopyFit(entry.text, kMessageTextSize, text);
    entry.dateNum = 0;
    for (DateCode code : dates) entry.dates[entry.dateNum++] = code;
    if (table.MessageNum <= index) table.MessageNum = index + 1;
}

void loadStore(StoreKind kind)
{
    resetBoardState(testBoard);
    MessageTable& messageTable = testBoard.schedule.table;
    if (kind == StoreKind::Empty) return;
    if (kind == StoreKind::FullTable) {
        for (int i = 0; i < kMaxMessages; ++i) setMessage(i, ("m" + std::to_string(i)).c_str(), {0});
        return;
    }
    setMessage(0, "朝会", {16, 314, 1225});
    setMessage(1, "ゴミ出し", {2});
    setMessage(2, "散歩", {5, 1231});
    if (kind == StoreKind::FullDates) {
        setMessage(3, "薬", {});
        for (int k = 0; k < kMaxDatesPerMessage; ++k) messageTable.entries[3].dates[k] = 101 + k % 28;
        messageTable.entries[3].dateNum = kMaxDatesPerMessage;
    }
    if (kind == StoreKind::Damaged) setMessage(3, "壊れ", {-1, 200, 45, 1315, 231});
}

std::string listItems(int controlId)
{
    std::string items;
    for (int i = 0; i < controlItemCount(controlId); ++i) {
        if (i > 0) items += '|';
        items += controlItemText(controlId, i);
    }
    return items;
}

std::vector<DateCode> storedDates(int message, const MessageTable& table)
{
    const MessageEntry& entry = table.entries[message];
    return std::vector<DateCode>(entry.dates, entry.dates + entry.dateNum);
}
