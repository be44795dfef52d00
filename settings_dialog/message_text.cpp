#include "settings_dialog/dialog_internal.h"

#include <cstring>

namespace {

constexpr char kTextTooLongNotice[] = "全角15文字/半角30文字を超えています。";
constexpr char kTableFullNotice[] = "メッセージ数が限界(100件)を超えています。";

}  // namespace

void checkMessageText()
{
    SettingsDialogControls& c = dialogControls;
    // The field holds CP932 bytes, so a double-byte character counts 2.
    const size_t length = std::strlen(c.messageField.text);
    if (length > static_cast<size_t>(kMessageTextLimit)) {
        setFieldText(c.notice, kTextTooLongNotice);
        setEnabled(c.addMessageButton, false);
        setEnabled(c.changeMessageButton, false);
    } else if (editedTable().MessageNum >= kMaxMessages) {
        setFieldText(c.notice, kTableFullNotice);
        setEnabled(c.addMessageButton, false);
        setEnabled(c.changeMessageButton, false);
    } else {
        setFieldText(c.notice, "");
        if (length == 0) {
            setEnabled(c.addMessageButton, false);
            setEnabled(c.changeMessageButton, false);
        } else {
            setEnabled(c.addMessageButton, true);
            if (dialogState.messageSelected) setEnabled(c.changeMessageButton, true);
        }
    }
}

void setMessageFieldText(std::string_view text)
{
    setFieldText(dialogControls.messageField, text);
    checkMessageText();
}
