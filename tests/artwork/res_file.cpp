#include "tests/artwork/res_file.h"

namespace {

// Reads a UTF-16 string ending in NUL; false when the data ends first.
bool readString(const Bytes& b, std::size_t& at, std::u16string& out)
{
    out.clear();
    for (;;) {
        if (at + 2 > b.size()) return false;
        const char16_t c = static_cast<char16_t>(le16(b, at));
        at += 2;
        if (c == 0) return true;
        out.push_back(c);
    }
}

// Number (0xFFFF then the number) or string.
bool readId(const Bytes& b, std::size_t& at, ResId& id)
{
    if (le16(b, at) == 0xFFFF) {
        if (at + 4 > b.size()) return false;
        id.named = false;
        id.number = le16(b, at + 2);
        at += 4;
        return true;
    }
    id.named = true;
    return readString(b, at, id.name);
}

// Dialog templates use 0x0000 for "none", 0xFFFF for a number, else a string.
bool readSzOrOrd(const Bytes& b, std::size_t& at, ResId& id)
{
    if (le16(b, at) == 0) {
        id = ResId{};
        at += 2;
        return at <= b.size();
    }
    return readId(b, at, id);
}

bool readMenuItems(const Bytes& b, std::size_t& at, std::vector<MenuItem>& items)
{
    constexpr unsigned kPopup = 0x10;
    constexpr unsigned kEnd = 0x80;
    for (;;) {
        if (at + 2 > b.size()) return false;
        MenuItem item;
        item.flags = le16(b, at);
        at += 2;
        if ((item.flags & kPopup) == 0) {
            item.id = le16(b, at);
            at += 2;
        }
        if (!readString(b, at, item.text)) return false;
        if ((item.flags & kPopup) != 0 && !readMenuItems(b, at, item.items)) return false;
        items.push_back(item);
        if ((item.flags & kEnd) != 0) return true;
    }
}

bool readVersionNode(const Bytes& b, std::size_t at, VersionNode& node)
{
    const std::size_t length = le16(b, at);
    const std::size_t valueLength = le16(b, at + 2);
    const std::size_t end = at + length;
    if (length < 6 || end > b.size()) return false;
    node.type = le16(b, at + 4);
    std::size_t p = at + 6;
    if (!readString(b, p, node.key)) return false;
    p = align4(p);
    const std::size_t valueBytes = node.type == 1 ? valueLength * 2 : valueLength;
    if (p + valueBytes > end) return false;
    node.value.assign(b.begin() + p, b.begin() + p + valueBytes);
    p = align4(p + valueBytes);
    while (p < end) {
        VersionNode child;
        if (!readVersionNode(b, p, child)) return false;
        p = align4(p + le16(b, p));
        node.children.push_back(child);
    }
    return true;
}

}  // namespace

bool readResFile(const Bytes& file, std::vector<ResEntry>& entries)
{
    std::size_t at = 0;
    while (at < file.size()) {
        if (at + 8 > file.size()) return false;
        const std::size_t dataSize = le32(file, at);
        const std::size_t headerSize = le32(file, at + 4);
        ResEntry entry;
        std::size_t p = at + 8;
        if (!readId(file, p, entry.type) || !readId(file, p, entry.name)) return false;
        p = align4(p);
        entry.language = le16(file, p + 6);
        const std::size_t data = at + headerSize;
        if (data + dataSize > file.size()) return false;
        entry.data.assign(file.begin() + data, file.begin() + data + dataSize);
        // The first entry of a 32-bit .res file is an empty marker.
        if (!(dataSize == 0 && !entry.type.named && entry.type.number == 0)) entries.push_back(entry);
        at = align4(data + dataSize);
    }
    return true;
}

const ResEntry* findResource(const std::vector<ResEntry>& entries, unsigned type, unsigned name)
{
    for (const ResEntry& e : entries) {
        if (!e.type.named && e.type.number == type && !e.name.named && e.name.number == name) return &e;
    }
    return nullptr;
}

bool readDialogEx(const Bytes& b, DialogTemplate& d)
{
    constexpr std::uint32_t kSetFont = 0x40;  // DS_SETFONT
    if (le16(b, 0) != 1 || le16(b, 2) != 0xFFFF) return false;
    d.exStyle = le32(b, 8);
    d.style = le32(b, 12);
    const unsigned count = le16(b, 16);
    d.x = les16(b, 18);
    d.y = les16(b, 20);
    d.cx = les16(b, 22);
    d.cy = les16(b, 24);
    std::size_t at = 26;
    if (!readSzOrOrd(b, at, d.menu) || !readSzOrOrd(b, at, d.windowClass)) return false;
    if (!readString(b, at, d.caption)) return false;
    if ((d.style & kSetFont) != 0) {
        d.pointSize = le16(b, at);
        d.weight = le16(b, at + 2);
        if (at + 6 > b.size()) return false;
        d.italic = b[at + 4];
        d.charset = b[at + 5];
        at += 6;
        if (!readString(b, at, d.face)) return false;
    }
    for (unsigned i = 0; i < count; ++i) {
        at = align4(at);
        if (at + 24 > b.size()) return false;
        DialogItem item;
        item.exStyle = le32(b, at + 4);
        item.style = le32(b, at + 8);
        item.x = les16(b, at + 12);
        item.y = les16(b, at + 14);
        item.cx = les16(b, at + 16);
        item.cy = les16(b, at + 18);
        item.id = static_cast<std::int32_t>(le32(b, at + 20));
        at += 24;
        if (!readSzOrOrd(b, at, item.windowClass) || !readSzOrOrd(b, at, item.text)) return false;
        at += 2 + le16(b, at);  // creation data
        d.items.push_back(item);
    }
    return at <= b.size();
}

bool readMenu(const Bytes& b, std::vector<MenuItem>& items)
{
    if (b.size() < 4 || le16(b, 0) != 0) return false;
    std::size_t at = 4 + le16(b, 2);
    return readMenuItems(b, at, items);
}

bool readVersionInfo(const Bytes& data, VersionNode& root) { return readVersionNode(data, 0, root); }
