// The compiled resource script: menu, dialog templates (ids, classes, texts,
// rectangles, exact styles, tab order), pictures, version record, manifest.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "tests/artwork/byte_reader.h"
#include "tests/artwork/res_file.h"

namespace {

// Window and control styles, spelled out here so that the test does not
// depend on the headers the script itself uses.
constexpr std::uint32_t kPopup = 0x80000000, kChild = 0x40000000, kVisible = 0x10000000;
constexpr std::uint32_t kCaption = 0x00C00000, kBorder = 0x00800000, kVScroll = 0x00200000;
constexpr std::uint32_t kSysMenu = 0x00080000, kGroup = 0x00020000, kTabStop = 0x00010000;
constexpr std::uint32_t kModalFrame = 0x80, kSetFont = 0x40;
constexpr std::uint32_t kPushButton = 0x0, kDefPushButton = 0x1, kAutoCheckBox = 0x3, kAutoRadioButton = 0x9;
constexpr std::uint32_t kListNotify = 0x1, kListNoIntegralHeight = 0x100;
constexpr std::uint32_t kEditCenter = 0x1, kEditRight = 0x2, kEditAutoHScroll = 0x80, kEditReadOnly = 0x800,
                        kEditNumber = 0x2000;
constexpr std::uint32_t kDropDownList = 0x3;
constexpr std::uint32_t kStaticLeft = 0x0;

constexpr std::uint32_t kBase = kChild | kVisible;
constexpr std::uint32_t kButton = kBase | kTabStop | kPushButton;
constexpr std::uint32_t kList = kBase | kTabStop | kBorder | kVScroll | kListNotify | kListNoIntegralHeight;
constexpr std::uint32_t kCombo = kBase | kTabStop | kVScroll | kDropDownList;
constexpr std::uint32_t kLabel = kBase | kGroup | kStaticLeft;
constexpr std::uint32_t kRadio = kBase | kAutoRadioButton;
constexpr std::uint32_t kCheck = kBase | kTabStop | kAutoCheckBox;

enum ClassAtom : unsigned {
    kButtonClass = 0x80,
    kEditClass = 0x81,
    kStaticClass = 0x82,
    kListClass = 0x83,
    kComboClass = 0x85
};

enum ResType : unsigned {
    kRtIcon = 3,
    kRtBitmap = 2,
    kRtMenu = 4,
    kRtDialog = 5,
    kRtGroupIcon = 14,
    kRtVersion = 16,
    kRtManifest = 24
};
constexpr unsigned kJapanese = 0x0411;

struct ExpectedItem {
    int id;
    unsigned windowClass;
    const char16_t* text;
    int x, y, cx, cy;
    std::uint32_t style;
};

const ExpectedItem kSettingsItems[] = {
    {1, kButtonClass, u"OK", 151, 178, 50, 14, kButton | kDefPushButton},
    {2, kButtonClass, u"ｷｬﾝｾﾙ", 210, 178, 50, 14, kButton},
    {1000, kListClass, u"", 7, 82, 122, 78, kList},
    {1001, kListClass, u"", 138, 81, 122, 78, kList},
    {1002, kEditClass, u"", 7, 25, 118, 14, kBase | kTabStop | kBorder | kEditAutoHScroll},
    {-1, kStaticClass, u"メッセージ（全角15文字/半角30文字以内）", 7, 7, 123, 8, kLabel},
    {1003, kButtonClass, u"", 139, 24, 10, 8, kRadio},
    {1004, kButtonClass, u"", 139, 41, 9, 8, kRadio},
    {1005, kComboClass, u"", 153, 21, 41, 205, kCombo},
    {1006, kComboClass, u"", 205, 21, 49, 208, kCombo},
    {1007, kComboClass, u"", 153, 39, 27, 187, kCombo},
    {1008, kComboClass, u"", 199, 39, 30, 191, kCombo},
    {1009, kButtonClass, u"追加", 143, 63, 31, 14, kButton},
    {1011, kButtonClass, u"変更", 184, 63, 31, 14, kButton},
    {1012, kButtonClass, u"削除", 224, 63, 31, 14, kButton},
    {-1, kStaticClass, u"表示日設定", 137, 7, 35, 8, kLabel},
    {1013, kButtonClass, u"追加", 12, 63, 31, 14, kButton},
    {1014, kButtonClass, u"変更", 53, 63, 31, 14, kButton},
    {1015, kButtonClass, u"削除", 94, 63, 31, 14, kButton},
    {1010, kEditClass, u"", 7, 44, 122, 14, kBase | kTabStop | kEditCenter | kEditReadOnly},
    {-1, kStaticClass, u"月", 184, 43, 8, 8, kLabel},
    {-1, kStaticClass, u"日", 234, 43, 8, 8, kLabel},
    {1016, kButtonClass, u"常に手前に表示(一旦終了後に有効）", 7, 182, 129, 10, kCheck},
    {1017, kButtonClass, u"", 7, 165, 12, 10, kCheck},
    {-1, kStaticClass, u"秒後に自動終了する（一旦終了後に有効）", 32, 167, 137, 8, kLabel},
    {1018, kEditClass, u"", 18, 163, 11, 14, kBase | kTabStop | kBorder | kEditRight | kEditNumber},
};

const ExpectedItem kVersionItems[] = {
    {1, kButtonClass, u"OK", 14, 33, 50, 14, kButton | kDefPushButton},
    {-1, kStaticClass, u"Notavex Ver.1.23", 7, 7, 66, 8, kLabel},
};

std::u16string textOf(const ResId& id) { return id.named ? id.name : std::u16string(); }

class ResourceScript : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const std::string path = NOTAVEX_RES_FILE;
        if (!path.empty()) parsed_ = readResFile(readWholeFile(path), entries_);
    }

    void SetUp() override
    {
        if (std::string(NOTAVEX_RES_FILE).empty()) GTEST_SKIP() << "no MinGW windres to compile the script";
        ASSERT_TRUE(parsed_) << "compiled script is not a .res file";
    }

    static const ResEntry& resource(unsigned type, unsigned name)
    {
        static const ResEntry none;
        const ResEntry* e = findResource(entries_, type, name);
        EXPECT_NE(e, nullptr) << "no resource of type " << type << " named " << name;
        return e != nullptr ? *e : none;
    }

    static void expectDialog(unsigned name, std::uint32_t style, int cx, int cy, const std::u16string& caption,
        const ExpectedItem* items, std::size_t count)
    {
        DialogTemplate d;
        ASSERT_TRUE(readDialogEx(resource(kRtDialog, name).data, d));
        EXPECT_EQ(d.style, style) << std::hex << d.style;
        EXPECT_EQ(d.exStyle, 0u);
        EXPECT_EQ(d.x, 0);
        EXPECT_EQ(d.y, 0);
        EXPECT_EQ(d.cx, cx);
        EXPECT_EQ(d.cy, cy);
        EXPECT_FALSE(d.menu.named || d.menu.number != 0);
        EXPECT_FALSE(d.windowClass.named || d.windowClass.number != 0);
        EXPECT_TRUE(d.caption == caption);
        EXPECT_EQ(d.pointSize, 9u);
        EXPECT_TRUE(d.face == u"ＭＳ Ｐゴシック");
        EXPECT_EQ(d.charset, 128u);  // SHIFTJIS_CHARSET

        ASSERT_EQ(d.items.size(), count);
        for (std::size_t i = 0; i < count; ++i) {
            const DialogItem& got = d.items[i];
            const ExpectedItem& want = items[i];
            SCOPED_TRACE(testing::Message() << "dialog " << name << ", control " << i << " (id " << want.id << ")");
            EXPECT_EQ(got.id, want.id);
            EXPECT_FALSE(got.windowClass.named);
            EXPECT_EQ(got.windowClass.number, want.windowClass);
            EXPECT_TRUE(textOf(got.text) == want.text);
            EXPECT_EQ(got.x, want.x);
            EXPECT_EQ(got.y, want.y);
            EXPECT_EQ(got.cx, want.cx);
            EXPECT_EQ(got.cy, want.cy);
            EXPECT_EQ(got.style, want.style) << std::hex << "got 0x" << got.style << " want 0x" << want.style;
            EXPECT_EQ(got.exStyle, 0u);
        }
    }

    static bool parsed_;
    static std::vector<ResEntry> entries_;
};

bool ResourceScript::parsed_ = false;
std::vector<ResEntry> ResourceScript::entries_;

TEST_F(ResourceScript, EveryResourceIsJapanese)
{
    ASSERT_FALSE(entries_.empty());
    for (const ResEntry& e : entries_) EXPECT_EQ(e.language, kJapanese) << "type " << e.type.number;
}

TEST_F(ResourceScript, SettingsDialogMatchesItsLayout)
{
    expectDialog(106, kPopup | kVisible | kCaption | kSysMenu | kModalFrame | kSetFont, 267, 199, u"設定",
        kSettingsItems, std::size(kSettingsItems));
}

TEST_F(ResourceScript, VersionBoxHasNoSystemMenu)
{
    expectDialog(107, kPopup | kCaption | kModalFrame | kSetFont, 79, 54, u"バージョン", kVersionItems,
        std::size(kVersionItems));
}

TEST_F(ResourceScript, PopupMenuHasFourPlainCommands)
{
    std::vector<MenuItem> bar;
    ASSERT_TRUE(readMenu(resource(kRtMenu, 105).data, bar));
    ASSERT_EQ(bar.size(), 1u);
    EXPECT_TRUE(bar[0].text == u"メニュー");
    ASSERT_EQ(bar[0].items.size(), 4u);
    const struct {
        unsigned id;
        const char16_t* text;
    } expected[] = {{40002, u"設定"}, {40005, u"Windowsの起動時に表示"}, {40003, u"終了"}, {40004, u"バージョン"}};
    for (std::size_t i = 0; i < 4; ++i) {
        const MenuItem& item = bar[0].items[i];
        EXPECT_EQ(item.id, expected[i].id);
        EXPECT_TRUE(item.text == expected[i].text) << "item " << i;
        // Only the end-of-menu mark on the last item: no grey, check or separator.
        EXPECT_EQ(item.flags, i == 3 ? 0x80u : 0u) << "item " << i;
    }
}

TEST_F(ResourceScript, PicturesAreTheCommittedFiles)
{
    const char* const bitmaps[] = {"board.bmp", "board-125.bmp", "board-150.bmp", "board-175.bmp", "board-200.bmp"};
    const unsigned ids[] = {104, 108, 109, 110, 111};
    for (int i = 0; i < 5; ++i) {
        const Bytes bmp = readWholeFile(resourcePath(bitmaps[i]));
        ASSERT_GT(bmp.size(), 14u);
        EXPECT_EQ(resource(kRtBitmap, ids[i]).data, Bytes(bmp.begin() + 14, bmp.end())) << bitmaps[i];
    }

    // The group has the file's five entries (less their offsets) in its order,
    // and each image is the file's bytes.
    const Bytes ico = readWholeFile(resourcePath("notavex.ico"));
    const Bytes& group = resource(kRtGroupIcon, 101).data;
    ASSERT_EQ(group.size(), 6u + 14u * 5);
    ASSERT_EQ(le16(group, 4), 5u);
    for (std::size_t i = 0, at = le32(ico, 18); i < 5; at += le32(ico, 14 + 16 * i), ++i) {
        ASSERT_LE(at + le32(ico, 14 + 16 * i), ico.size());
        EXPECT_TRUE(std::equal(&group[6 + 14 * i], &group[18 + 14 * i], &ico[6 + 16 * i])) << "entry " << i;
        EXPECT_EQ(resource(kRtIcon, le16(group, 18 + 14 * i)).data, Bytes(&ico[at], &ico[at] + le32(ico, 14 + 16 * i)));
    }
}

TEST_F(ResourceScript, VersionRecordNamesTheProductAndVersion)
{
    VersionNode root;
    ASSERT_TRUE(readVersionInfo(resource(kRtVersion, 1).data, root));
    ASSERT_EQ(root.value.size(), 52u);
    EXPECT_EQ(le32(root.value, 0), 0xFEEF04BDu);
    EXPECT_EQ(le32(root.value, 8), 0x00010017u);   // file version 1.23
    EXPECT_EQ(le32(root.value, 16), 0x00010017u);  // product version 1.23

    std::u16string product, version;
    bool translation = false;
    for (const VersionNode& block : root.children) {
        for (const VersionNode& table : block.children) {
            if (block.key == u"StringFileInfo" && table.key == u"041104B0") {
                for (const VersionNode& v : table.children) {
                    std::u16string text;
                    for (std::size_t i = 0; i + 1 < v.value.size(); i += 2) {
                        const char16_t c = static_cast<char16_t>(le16(v.value, i));
                        if (c != 0) text.push_back(c);
                    }
                    if (v.key == u"ProductName") product = text;
                    if (v.key == u"ProductVersion") version = text;
                }
            }
            if (block.key == u"VarFileInfo" && table.key == u"Translation")
                translation = table.value == Bytes{0x11, 0x04, 0xB0, 0x04};
        }
    }
    EXPECT_TRUE(product == u"Notavex");
    EXPECT_TRUE(version == u"1.23");
    EXPECT_TRUE(translation);
}

TEST_F(ResourceScript, ManifestAsksForCommonControlsAndPerMonitorScale)
{
    const Bytes manifest = readWholeFile(NOTAVEX_MANIFEST_FILE);
    EXPECT_EQ(resource(kRtManifest, 1).data, manifest);
    const std::string text(manifest.begin(), manifest.end());
    EXPECT_NE(text.find("name=\"Notavex\" version=\"1.23.0.0\""), std::string::npos);
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
    // The board draws itself for each monitor's scale, so Windows must not
    // stretch it; systems before per-monitor awareness take the system's.
    EXPECT_NE(text.find("WindowsSettings\">true</dpiAware>"), std::string::npos);
    EXPECT_NE(text.find("WindowsSettings\">PerMonitorV2, system</dpiAwareness>"), std::string::npos);
}

}  // namespace
