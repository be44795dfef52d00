// selectAgenda runs at every paint of the board. Its worst case is a full
// table whose every display date matches today: 10,000 matches, of which
// 9,997 go to the overflow text until it fills up. Target: under 1 ms.
#include "schedule/agenda.h"
#include "schedule/calendar.h"
#include "schedule/store.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

Schedule schedule;
Calendar calendar;
Agenda agenda;

// Friday 14 March 2008: the every-Friday code 5, the second-Friday code 19
// and the calendar code 314 all match today.
void fillFullTable(const DateCode* codes, int codeCount)
{
    resetStore(schedule);
    calendar = computeCalendar(2008, 3, 14, 5);
    schedule.table.MessageNum = kMaxMessages;
    for (MessageEntry& entry : schedule.table.entries) {
        // 30 bytes, the longest text the settings dialog accepts.
        std::strcpy(entry.text, "全角十五文字の予定をここに書く");
        entry.dateNum = kMaxDatesPerMessage;
        for (int k = 0; k < kMaxDatesPerMessage; ++k) entry.dates[k] = codes[k % codeCount];
    }
}

void runSelections(benchmark::State& state)
{
    for (auto _ : state) {
        selectAgenda(schedule, calendar, agenda);
        benchmark::DoNotOptimize(agenda.overflowText[0]);
        benchmark::ClobberMemory();
    }
}

void BM_SelectAgendaAllMatchToday(benchmark::State& state)
{
    const DateCode codes[] = {5, 19, 314};
    fillFullTable(codes, 3);
    runSelections(state);
    state.counters["overflowBytes"] = double(std::strlen(agenda.overflowText));
}
BENCHMARK(BM_SelectAgendaAllMatchToday)->Unit(benchmark::kMicrosecond);

// The same table with only calendar codes: every match goes through the
// second pass.
void BM_SelectAgendaAllCalendarToday(benchmark::State& state)
{
    const DateCode codes[] = {314};
    fillFullTable(codes, 1);
    runSelections(state);
}
BENCHMARK(BM_SelectAgendaAllCalendarToday)->Unit(benchmark::kMicrosecond);

// For scale: a full table of which nothing matches, the cost of reading
// every code twice.
void BM_SelectAgendaNothingMatches(benchmark::State& state)
{
    const DateCode codes[] = {1, 1225};
    fillFullTable(codes, 2);
    runSelections(state);
}
BENCHMARK(BM_SelectAgendaNothingMatches)->Unit(benchmark::kMicrosecond);

}  // namespace
