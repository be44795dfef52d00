// Reader of compiled resource files (.res) and of the records inside them:
// dialog templates (DIALOGEX), menus and the version record.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/artwork/byte_reader.h"

// A resource type or name: a number, or a string when named is true.
struct ResId {
    bool named = false;
    unsigned number = 0;
    std::u16string name;
};

struct ResEntry {
    ResId type;
    ResId name;
    unsigned language = 0;
    Bytes data;
};

// False when the file is not a well-formed .res file.
bool readResFile(const Bytes& file, std::vector<ResEntry>& entries);

// The entry of a numbered type and name, or nullptr.
const ResEntry* findResource(const std::vector<ResEntry>& entries, unsigned type, unsigned name);

struct DialogItem {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::int32_t id = 0;
    ResId windowClass;  // predefined classes are numbers: 0x80 button, ...
    ResId text;
};

struct DialogTemplate {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    ResId menu;
    ResId windowClass;
    std::u16string caption;
    unsigned pointSize = 0, weight = 0, italic = 0, charset = 0;
    std::u16string face;
    std::vector<DialogItem> items;
};

// False unless data is a well-formed extended dialog template.
bool readDialogEx(const Bytes& data, DialogTemplate& dialog);

struct MenuItem {
    unsigned flags = 0;
    unsigned id = 0;  // 0 for a pop-up
    std::u16string text;
    std::vector<MenuItem> items;  // of a pop-up
};

// False unless data is a well-formed standard menu template.
bool readMenu(const Bytes& data, std::vector<MenuItem>& items);

struct VersionNode {
    std::u16string key;
    unsigned type = 0;  // 1: text value
    Bytes value;
    std::vector<VersionNode> children;
};

bool readVersionInfo(const Bytes& data, VersionNode& root);
