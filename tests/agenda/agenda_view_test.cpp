#include "tools/agenda/agenda_view.h"

#include "schedule/agenda.h"
#include "schedule/store.h"
#include "tools/agenda/cp932_utf8.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

Schedule schedule;
MessageTable& messageTable = schedule.table;
DayAgenda shown;

// Collects what a writer prints.
class Captured {
public:
    Captured() : file_(open_memstream(&data_, &size_)) { }
    ~Captured()
    {
        if (file_ != nullptr) std::fclose(file_);
        std::free(data_);
    }
    std::FILE* file() { return file_; }
    std::string text()
    {
        std::fflush(file_);
        return std::string(data_, size_);
    }

private:
    char* data_ = nullptr;
    size_t size_ = 0;
    std::FILE* file_;
};

TEST(WeekdayOf, KnownDates)
{
    struct Case {
        int year, month, day, weekday;
    };
    const Case cases[] = {
        {2008, 3, 14, 5},
        {2008, 1, 1, 2},
        {2000, 2, 29, 2},
        {1900, 1, 1, 1},
        {2100, 12, 31, 5},
        {1, 1, 1, 1},
        {9999, 12, 31, 5},
        {2024, 2, 29, 4},
        {1970, 1, 1, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day));
        EXPECT_EQ(weekdayOf(c.year, c.month, c.day), c.weekday);
    }
}

TEST(ParseDate, AcceptsRealDaysOnly)
{
    struct Case {
        const char* text;
        bool valid;
    };
    const Case cases[] = {
        {"2008-03-14", true},
        {"2008-02-29", true},
        {"2000-02-29", true},
        {"0001-01-01", true},
        {"9999-12-31", true},
        {"2008-12-31", true},
        {"2007-02-29", false},
        {"2100-02-29", false},
        {"1900-02-29", false},
        {"2008-02-30", false},
        {"2008-04-31", false},
        {"2008-13-01", false},
        {"2008-00-10", false},
        {"2008-01-00", false},
        {"0000-01-01", false},
        {"2008-3-14", false},
        {"2008/03/14", false},
        {"20080314", false},
        {"2008-03-14 ", false},
        {" 2008-03-14", false},
        {"2008-03-1x", false},
        {"+008-03-14", false},
        {"", false},
        {"２００８-03-14", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        LocalDate date{};
        EXPECT_EQ(parseDate(c.text, date), c.valid);
    }
    LocalDate date{};
    ASSERT_TRUE(parseDate("2008-03-14", date));
    EXPECT_EQ(date.year, 2008);
    EXPECT_EQ(date.month, 3);
    EXPECT_EQ(date.day, 14);
    EXPECT_EQ(date.weekday, 5);
}

struct ArgumentsCase {
    std::vector<const char*> args;
    bool ok;
    const char* error;  // part of the message, when not ok
};

TEST(ParseArguments, Cases)
{
    const ArgumentsCase cases[] = {
        {{}, true, ""}, {{"--json"}, true, ""}, {{"--file", "x.ini", "--date", "2008-03-14", "--json"}, true, ""},
        {{"--date", "2008-03-14", "--file", "-dash.ini"}, true, ""}, {{"--help"}, true, ""},
        {{"--jsn"}, false, "unknown option '--jsn'"}, {{"-j"}, false, "unknown option"},
        {{"--file=x.ini"}, false, "unknown option"}, {{"notavex.ini"}, false, "unexpected argument 'notavex.ini'"},
        {{"--file"}, false, "--file needs a value"}, {{"--date"}, false, "--date needs a value"},
        {{"--date", "--json"}, false, "--date needs a value"}, {{"--file", "a", "--file", "b"}, false, "given twice"},
        {{"--date", "2008-03-14", "--date", "2008-03-15"}, false, "given twice"},
        {{"--date", "2008-3-14"}, false, "not a date of the form YYYY-MM-DD"},
        {{"--date", "2007-02-29"}, false, "not a day of the calendar"}, {{"--ics", "--date", "2008-03-14"}, true, ""},
        {{"--days", "36525", "--json"}, true, ""},
        {{"--days", "0"}, false, "--days '0' is not a number of days from 1 to 36525"},
        {{"--days", "36526"}, false, "from 1 to 36525"}, {{"--days", "+7"}, false, "from 1 to 36525"},
        {{"--ics", "--json"}, false, "--ics cannot be combined"}, {{"--days", "2", "--ics"}, false, "cannot be"},
        {{"--date", "bad\ndate"}, false, "'bad?date'"},  // stays one line
    };
    for (const ArgumentsCase& c : cases) {
        std::vector<const char*> argv = {"notavex-agenda"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        std::string trace;
        for (const char* a : c.args) trace += std::string(a) + " ";
        SCOPED_TRACE(trace);
        AgendaOptions options;
        char error[kErrorTextSize] = "";
        EXPECT_EQ(parseArguments(static_cast<int>(argv.size()), argv.data(), options, error, sizeof error), c.ok);
        if (!c.ok) {
            EXPECT_NE(std::string(error).find(c.error), std::string::npos) << error;
            EXPECT_EQ(std::strchr(error, '\n'), nullptr);
        }
    }
}

TEST(ParseArguments, Defaults)
{
    const char* argv[] = {"notavex-agenda"};
    AgendaOptions options;
    char error[kErrorTextSize];
    ASSERT_TRUE(parseArguments(1, argv, options, error, sizeof error));
    EXPECT_STREQ(options.file, "notavex.ini");
    EXPECT_FALSE(options.dateGiven);
    EXPECT_FALSE(options.json);
    EXPECT_FALSE(options.help);
    EXPECT_FALSE(options.ics);
    EXPECT_EQ(options.days, 1);
}

TEST(WriteJsonString, Escapes)
{
    struct Case {
        std::string text;
        std::string json;
    };
    const Case cases[] = {
        {"", "\"\""},
        {"plain", "\"plain\""},
        {"a\"b", "\"a\\\"b\""},
        {"back\\slash", "\"back\\\\slash\""},
        {"\r\n\t\b\f", "\"\\r\\n\\t\\b\\f\""},
        {std::string("nul\0x", 5), "\"nul\\u0000x\""},
        {"\x01\x1f\x7f", "\"\\u0001\\u001f\x7f\""},
        {"\xE8\xA1\xA8", "\"\xE8\xA1\xA8\""},  // UTF-8 stays as it is
        {"/", "\"/\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        Captured out;
        writeJsonString(out.file(), c.text);
        EXPECT_EQ(out.text(), c.json);
    }
}

TEST(WriteAgendaJson, ListsEveryFilledLineEvenOneThatLooksBlank)
{
    ASSERT_TRUE(openCp932Decoder());
    resetStore(schedule);
    messageTable.MessageNum = 2;
    std::strcpy(messageTable.entries[0].text, kBlankAgendaLine);
    messageTable.entries[0].dateNum = 1;
    messageTable.entries[0].dates[0] = 5;
    std::strcpy(messageTable.entries[1].text, "");
    messageTable.entries[1].dateNum = 1;
    messageTable.entries[1].dates[0] = 315;
    LocalDate date{};
    ASSERT_TRUE(parseDate("2008-03-14", date));
    computeAgendaFor(schedule, date, shown);

    Captured out;
    writeAgendaJson(out.file(), date, shown);
    const std::string fifteenSpaces = [] {
        std::string s;
        for (int i = 0; i < 15; ++i) s += "\xE3\x80\x80";
        return s;
    }();
    EXPECT_EQ(out.text(), "{\"date\":\"2008-03-14\","
                          "\"today\":{\"month\":3,\"day\":14,\"weekday\":5,\"lines\":[{\"text\":\"" + fifteenSpaces +
                              "\",\"marked\":false}]},"
                              "\"tomorrow\":{\"month\":3,\"day\":15,\"weekday\":6,\"lines\":[{\"text\":\"\","
                              "\"marked\":true}]},"
                              "\"overflow\":\"\"}\n");
}

TEST(WriteAgendaText, MarksSpecificDaysAndShowsTheOverflow)
{
    ASSERT_TRUE(openCp932Decoder());
    resetStore(schedule);
    const char* texts[] = {"毎週", "第2金曜", "三月十四日", "四件目"};
    const DateCode codes[] = {5, 19, 314, 5};
    messageTable.MessageNum = 4;
    for (int i = 0; i < 4; ++i) {
        std::strcpy(messageTable.entries[i].text, texts[i]);
        messageTable.entries[i].dateNum = 1;
        messageTable.entries[i].dates[0] = codes[i];
    }
    LocalDate date{};
    ASSERT_TRUE(parseDate("2008-03-14", date));
    computeAgendaFor(schedule, date, shown);

    Captured out;
    writeAgendaText(out.file(), date, shown);
    EXPECT_EQ(out.text(),
        u8"2008年3月14日(金)の予定\n"
        u8"\n"
        u8"今日 3月14日(金)\n"
        u8"  ・ 毎週\n"
        u8"  ★ 第2金曜\n"
        u8"  ・ 四件目\n"
        u8"明日 3月15日(土)\n"
        u8"    （予定なし）\n"
        u8"\n"
        u8"★ は日付または第n週の曜日で指定した予定です。\n"
        u8"\n"
        u8"４件以上の予定があります。\n"
        u8"[4件目の今日の予定]\n"
        u8"　三月十四日\n");
}

}  // namespace
