// notavex-agenda: the schedule of a settings file as the board would show it.
#include "schedule/store.h"
#include "settings_file/platform.h"
#include "settings_file/settings_text.h"
#include "settings_file/text_encoding.h"
#include "tools/agenda/agenda_view.h"
#include "tools/agenda/cp932_utf8.h"
#include "tools/agenda/ics_export.h"

#include <csignal>
#include <cstdio>
#include <ctime>

namespace {

// The file's bytes (applySettingsText stops at the first NUL itself), the
// schedule read from them and what the board shows of it.
char fileText[kSettingsTextSize];
Schedule schedule;
DayAgenda shown;

int failWith(const char* message, int status)
{
    std::fprintf(stderr, "notavex-agenda: %s\n", message);
    return status;
}

UtcTime utcNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    return {utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec};
}

}  // namespace

int main(int argc, char** argv)
{
    // A closed pipe shows as a failed write below, not as a signal.
    std::signal(SIGPIPE, SIG_IGN);

    AgendaOptions options;
    char error[kErrorTextSize];
    if (!parseArguments(argc, argv, options, error, sizeof error)) {
        std::fprintf(stderr, "notavex-agenda: %s (try --help)\n", error);
        return kExitUsageError;
    }
    if (options.help) {
        writeUsage(stdout);
        return std::fflush(stdout) == 0 ? kExitOk : kExitFileError;
    }
    if (!openCp932Decoder()) return failWith("the C library has no CP932 converter", kExitFileError);

    // Read only: the program's loadSettings would create a missing file and
    // back up an unreadable one; this view never writes.
    int length = 0;
    const FileReadResult read = settingsPlatform.readFile(options.file, fileText, kSettingsFileMaxBytes, &length);
    if (read != FileReadResult::ok) {
        formatFileError(read, options.file, error, sizeof error);
        return failWith(error, kExitFileError);
    }
    // As the program reads it: a file saved as UTF-16 or UTF-8 becomes CP932.
    length = convertSettingsTextToCp932(fileText, length).length;

    const LocalDate date = options.dateGiven ? options.date : settingsPlatform.localDate();
    resetStore(schedule);
    applySettingsText(std::string_view(fileText, static_cast<size_t>(length)), schedule);
    if (options.ics) {
        writeIcsCalendar(stdout, stderr, schedule.table, date, utcNow());
    } else {
        // A closed pipe ends the days at once.
        LocalDate day = date;
        for (int i = 0; i < options.days && day.year <= kLastYear && !std::ferror(stdout); ++i, day = dayAfter(day)) {
            computeAgendaFor(schedule, day, shown);
            if (options.json) {
                writeAgendaJson(stdout, day, shown);
            } else {
                if (i > 0) std::fputc('\n', stdout);
                writeAgendaText(stdout, day, shown);
            }
        }
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) return failWith("cannot write the output", kExitFileError);
    return kExitOk;
}
