#include "settings_dialog/dialog_internal.h"

#include <cstring>

namespace {

constexpr char kTextTooLongNotice[] = "全角15文字/半角30文字を超えています。";
constexpr char kTableFullNotice[] = "メッセージ数が限界(100件)を超えています。";
// "U+1F382 は使えません": the code point in ASCII, whatever the fonts show.
constexpr char kRefusedNoticeTail[] = " は使えません";
constexpr char kHexDigits[] = "0123456789ABCDEF";

void showRefusedNotice(char32_t character)
{
    char notice[kNoticeSize] = "U+";
    int at = 2;
    int digits = 4;
    while (digits < 6 && (character >> (4 * digits)) != 0) ++digits;
    for (int d = digits - 1; d >= 0; --d) notice[at++] = kHexDigits[(character >> (4 * d)) & 0xF];
    std::memcpy(notice + at, kRefusedNoticeTail, sizeof kRefusedNoticeTail);
    setFieldText(dialogControls.notice, notice);
}

}  // namespace

void checkMessageText()
{
    SettingsDialogControls& c = dialogControls;
    // The field holds CP932 bytes, so a double-byte character counts 2.
    const size_t length = std::strlen(c.messageField.text);
    if (dialogState.refusedCharacter != 0) {
        // Stored, it would be a "?": the user must take it out first.
        showRefusedNotice(dialogState.refusedCharacter);
        setEnabled(c.addMessageButton, false);
        setEnabled(c.changeMessageButton, false);
    } else if (length > static_cast<size_t>(kMessageTextLimit)) {
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
    // What the program puts in is CP932 through and through.
    dialogState.refusedCharacter = 0;
    checkMessageText();
}
