// Runs the built notavex-agenda as a user would: arguments, a working
// directory, standard output, standard error and the exit status.
#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kTool = NOTAVEX_AGENDA_PATH;
const std::string kFixtures = AGENDA_FIXTURES;

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream data;
    data << in.rdbuf();
    return data.str();
}

void writeAll(const std::string& path, const std::string& data)
{
    std::ofstream out(path, std::ios::binary);
    out << data;
}

struct ToolRun {
    int status;  // exit status, or -1 when the tool did not exit normally
    std::string out;
    std::string err;
};

// An empty directory of its own for each test, removed afterwards. The
// tool's output goes to files outside it, so that the directory shows
// whatever the tool itself left there.
class AgendaCommand : public testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/notavex-agenda-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        base_ = pattern;
        dir_ = base_ + "/work";
        ASSERT_EQ(mkdir(dir_.c_str(), 0755), 0);
    }
    void TearDown() override { std::system(("rm -rf '" + base_ + "'").c_str()); }

    ToolRun run(const std::vector<std::string>& args)
    {
        const std::string outPath = base_ + "/stdout", errPath = base_ + "/stderr";
        const pid_t pid = fork();
        if (pid == 0) {
            const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (out < 0 || err < 0 || chdir(dir_.c_str()) != 0) _exit(127);
            dup2(out, 1);
            dup2(err, 2);
            alarm(5);  // a tool that blocks ends as killed, not as a hung test
            std::vector<char*> argv = {const_cast<char*>(kTool.c_str())};
            for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            execv(kTool.c_str(), argv.data());
            _exit(127);
        }
        int wstatus = 0;
        waitpid(pid, &wstatus, 0);
        return {WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1, readAll(outPath), readAll(errPath)};
    }

    // Names, sizes and modification times of the directory's entries.
    std::vector<std::string> listing()
    {
        std::vector<std::string> entries;
        DIR* d = opendir(dir_.c_str());
        while (dirent* e = readdir(d)) {
            const std::string name = e->d_name;
            if (name == "." || name == "..") continue;
            struct stat info { };
            stat((dir_ + "/" + name).c_str(), &info);
            entries.push_back(name + " " + std::to_string(info.st_size) + " " + std::to_string(info.st_mtim.tv_sec)
                + "." + std::to_string(info.st_mtim.tv_nsec));
        }
        closedir(d);
        std::sort(entries.begin(), entries.end());
        return entries;
    }

    void copyFixture(const std::string& name, const std::string& as)
    {
        writeAll(dir_ + "/" + as, readAll(kFixtures + "/" + name));
    }

    static void expectOneErrorLine(const ToolRun& r)
    {
        EXPECT_EQ(r.out, "");
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(r.err.back(), '\n');
        EXPECT_EQ(r.err.rfind("notavex-agenda: ", 0), 0u) << r.err;
    }

    std::string base_;
    std::string dir_;
};

// The worked example of the settings file and a third message on every
// Friday, on Friday 14 March 2008: the second-Friday rule (marked), then the
// Friday message (not marked), then the calendar date (marked); Saturday
// has nothing.
const char kWorkedExampleJson[] =
    "{\"date\":\"2008-03-14\","
    "\"today\":{\"month\":3,\"day\":14,\"weekday\":5,\"lines\":["
    "{\"text\":\"Recycling day\",\"marked\":true},"
    "{\"text\":\"\xE7\x87\x83\xE3\x81\x88\xE3\x82\x8B\xE3\x82\xB4\xE3\x83\x9F\",\"marked\":false},"  // 燃えるゴミ
    "{\"text\":\"Dentist 10:30\",\"marked\":true}]},"
    "\"tomorrow\":{\"month\":3,\"day\":15,\"weekday\":6,\"lines\":[]},"
    "\"overflow\":\"\"}\n";

TEST_F(AgendaCommand, WorkedExamplePlusFridayAsJson)
{
    copyFixture("worked_example_plus_friday.ini", "plus_friday.ini");
    const ToolRun r = run({"--json", "--date", "2008-03-14", "--file", "plus_friday.ini"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, kWorkedExampleJson);
}

TEST_F(AgendaCommand, ReadsNotavexIniOfTheCurrentDirectoryByDefault)
{
    copyFixture("worked_example_plus_friday.ini", "notavex.ini");
    const ToolRun r = run({"--date", "2008-03-14", "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, kWorkedExampleJson);
}

TEST_F(AgendaCommand, TextForPeople)
{
    const ToolRun r = run({"--file", kFixtures + "/worked_example.ini", "--date", "2008-03-13"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
        u8"2008年3月13日(木)の予定\n"
        u8"\n"
        u8"今日 3月13日(木)\n"
        u8"    （予定なし）\n"
        u8"明日 3月14日(金)\n"
        u8"  ★ Recycling day\n"
        u8"  ★ Dentist 10:30\n"
        u8"\n"
        u8"★ は日付または第n週の曜日で指定した予定です。\n");
}

TEST_F(AgendaCommand, OverflowAsJson)
{
    const ToolRun r = run({"--json", "--date", "2008-03-14", "--file", kFixtures + "/five_on_friday.ini"});
    EXPECT_EQ(r.status, 0) << r.err;
    // 予定N, 件目の今日の予定 and the ideographic space in UTF-8.
    const std::string yotei = "\xE4\xBA\x88\xE5\xAE\x9A";
    const std::string head = "\xE4\xBB\xB6\xE7\x9B\xAE\xE3\x81\xAE\xE4\xBB\x8A\xE6\x97\xA5\xE3\x81\xAE" + yotei;
    const std::string space = "\xE3\x80\x80";
    EXPECT_EQ(r.out, "{\"date\":\"2008-03-14\","
                     "\"today\":{\"month\":3,\"day\":14,\"weekday\":5,\"lines\":["
                     "{\"text\":\"" + yotei + "1\",\"marked\":false},"
                     "{\"text\":\"" + yotei + "2\",\"marked\":false},"
                     "{\"text\":\"" + yotei + "3\",\"marked\":false}]},"
                     "\"tomorrow\":{\"month\":3,\"day\":15,\"weekday\":6,\"lines\":[]},"
                     "\"overflow\":\"[4" + head + "]\\r\\n" + space + yotei + "4\\r\\n"
                     "[5" + head + "]\\r\\n" + space + yotei + "5\\r\\n\"}\n");
}

TEST_F(AgendaCommand, AwkwardTextsAreConvertedAndEscaped)
{
    const ToolRun r = run({"--json", "--date", "2008-03-14", "--file", kFixtures + "/awkward_texts.ini"});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string fffd = "\xEF\xBF\xBD";
    EXPECT_EQ(r.out,
        "{\"date\":\"2008-03-14\","
        "\"today\":{\"month\":3,\"day\":14,\"weekday\":5,\"lines\":[]},"
        "\"tomorrow\":{\"month\":3,\"day\":15,\"weekday\":6,\"lines\":["
        // ①№纊ⅰ￤黑: NEC row 13, NEC-selected IBM, IBM extensions
        "{\"text\":\"\xE2\x91\xA0\xE2\x84\x96\xE7\xBA\x8A\xE2\x85\xB0\xEF\xBF\xA4\xE9\xBB\x91\",\"marked\":true},"
        // 表示\"引用": a 5C trail byte is no backslash; real ones and quotes are escaped
        "{\"text\":\"\xE8\xA1\xA8\xE7\xA4\xBA\\\\\\\"\xE5\xBC\x95\xE7\x94\xA8\\\"\",\"marked\":true},"
        "{\"text\":\"tab\\there\\u0001\",\"marked\":true}]},"
        // [4件目の明日の予定] and bytes that are no CP932 character
        "\"overflow\":\"[4\xE4\xBB\xB6\xE7\x9B\xAE\xE3\x81\xAE\xE6\x98\x8E\xE6\x97\xA5\xE3\x81\xAE\xE4\xBA\x88"
        "\xE5\xAE\x9A]\\r\\n\xE3\x80\x80"
        "bad"
            + fffd + fffd + fffd + fffd + "end" + fffd + "\\r\\n\"}\n");
}

TEST_F(AgendaCommand, AUtf8FileShowsItsMessages)
{
    writeAll(dir_ + "/notavex.ini",
        u8"MessageNum=2\r\n00Num=1\r\n0000=歯医者 10:30\r\n0001=314\r\n"
        u8"01Num=1\r\n0100=図書館\u301C\r\n0101=315\r\n");
    const ToolRun r = run({"--date", "2008-03-14"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(u8"  ★ 歯医者 10:30\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(u8"  ★ 図書館\uFF5E\n"), std::string::npos) << r.out;  // 〜 as Windows reads it back
}

TEST_F(AgendaCommand, ControlCharactersNeverReachTheTerminal)
{
    // The fourth message goes to the overflow text.
    writeAll(dir_ + "/notavex.ini",
        "MessageNum=4\r\n"
        "00Num=1\r\n0000=\x1B]0;owned\x07\r\n0001=314\r\n"
        "01Num=1\r\n0100=\x1B[2Jclear\r\n0101=314\r\n"
        "02Num=1\r\n0200=tab\there\x7F\r\n0201=314\r\n"
        "03Num=1\r\n0300=\x1B[31mred\r\n0301=314\r\n");
    const ToolRun r = run({"--date", "2008-03-14"});
    EXPECT_EQ(r.status, 0) << r.err;
    for (char c : r.out)
        EXPECT_TRUE(c == '\n' || (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)) << static_cast<int>(c);
    const std::string fffd = "\xEF\xBF\xBD";
    for (const std::string& shown : {fffd + "]0;owned" + fffd + "\n", fffd + "[2Jclear\n", "tab" + fffd + "here" + fffd,
             // the overflow entry keeps its line ends
             std::string(u8"の予定]\n\u3000") + fffd + "[31mred\n"})
        EXPECT_NE(r.out.find(shown), std::string::npos) << shown;
}

TEST_F(AgendaCommand, DefaultsToTodaysLocalDate)
{
    copyFixture("worked_example.ini", "notavex.ini");
    const auto localDate = [] {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        char text[16];
        std::strftime(text, sizeof text, "%Y-%m-%d", &local);
        return std::string(text);
    };
    const std::string before = localDate();
    const ToolRun r = run({"--json"});
    const std::string after = localDate();
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string date = r.out.substr(9, 10);  // {"date":"YYYY-MM-DD"
    EXPECT_TRUE(date == before || date == after) << r.out;
}

TEST_F(AgendaCommand, UsageErrorsComeBeforeAnyFileIsRead)
{
    // No file at all in the directory: every one of these must still be
    // refused as a usage error (2), not as a missing file (1).
    const std::vector<std::vector<std::string>> cases = {
        {"--bogus"},
        {"--json", "extra"},
        {"--file"},
        {"--date"},
        {"--date", "--json"},
        {"--date", "2008-3-14"},
        {"--date", "14.03.2008"},
        {"--date", "2007-02-29"},
        {"--date", "2100-02-29"},
        {"--date", "2008-13-01"},
        {"--date", "0000-01-01"},
        {"--date", "2008-03-14", "--date", "2008-03-15"},
        {"--file", "missing.ini", "--date", "2008-02-30"},
    };
    for (const auto& args : cases) {
        std::string trace;
        for (const std::string& a : args) trace += a + " ";
        SCOPED_TRACE(trace);
        const ToolRun r = run(args);
        EXPECT_EQ(r.status, 2);
        expectOneErrorLine(r);
    }
    EXPECT_TRUE(listing().empty());
}

TEST_F(AgendaCommand, FileErrors)
{
    ASSERT_EQ(mkdir((dir_ + "/a_directory").c_str(), 0755), 0);
    // One byte over the limit of 256 KiB.
    writeAll(dir_ + "/too_large.ini", "MessageNum=0\r\n" + std::string(256 * 1024 + 1 - 14, ' '));
    const std::vector<std::string> before = listing();
    const std::vector<std::vector<std::string>> cases = {
        {"--date", "2008-03-14"},  // notavex.ini is missing
        {"--file", "missing.ini"},
        {"--file", ""},
        {"--file", "a_directory"},
        {"--file", "too_large.ini", "--json"},
    };
    for (const auto& args : cases) {
        std::string trace;
        for (const std::string& a : args) trace += a + " ";
        SCOPED_TRACE(trace);
        const ToolRun r = run(args);
        EXPECT_EQ(r.status, 1);
        expectOneErrorLine(r);
    }
    // No notavex.ini created, no backup, nothing else.
    EXPECT_EQ(listing(), before);
}

TEST_F(AgendaCommand, AFifoOrADeviceIsRefusedAtOnce)
{
    // Nobody writes to the FIFO: a plain open would wait for a writer.
    ASSERT_EQ(mkfifo((dir_ + "/fifo.ini").c_str(), 0644), 0);
    for (const char* file : {"fifo.ini", "/dev/zero"}) {
        SCOPED_TRACE(file);
        const auto start = std::chrono::steady_clock::now();
        const ToolRun r = run({"--file", file});
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "notavex-agenda: " + std::string(file) + ": not a regular file\n");
    }
}

TEST_F(AgendaCommand, AFileOfExactly256KiBIsRead)
{
    std::string text = readAll(kFixtures + "/worked_example.ini");
    text += std::string(256 * 1024 - text.size(), 'x');
    writeAll(dir_ + "/notavex.ini", text);
    const ToolRun r = run({"--date", "2008-03-14", "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Dentist 10:30"), std::string::npos);
}

TEST_F(AgendaCommand, NeverWritesAnything)
{
    copyFixture("worked_example_plus_friday.ini", "notavex.ini");
    // Values the program's loader would adjust and its saver rewrite.
    writeAll(dir_ + "/odd.ini", "winX=-20\r\nendsec=-1\r\nMessageNum=250\r\n00Num=120\r\n0000=x\r\n");
    const std::string original = readAll(dir_ + "/notavex.ini");
    const std::vector<std::string> before = listing();
    EXPECT_EQ(run({"--date", "2008-03-14"}).status, 0);
    EXPECT_EQ(run({"--json"}).status, 0);
    EXPECT_EQ(run({"--file", "odd.ini"}).status, 0);
    EXPECT_EQ(run({"--ics"}).status, 0);
    EXPECT_EQ(run({"--help"}).status, 0);
    EXPECT_EQ(listing(), before);
    EXPECT_EQ(readAll(dir_ + "/notavex.ini"), original);
}

TEST_F(AgendaCommand, HelpGoesToStandardOutput)
{
    const ToolRun r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.rfind("usage: notavex-agenda [--file PATH] [--date YYYY-MM-DD] [--json]\n", 0), 0u);
}

}  // namespace
