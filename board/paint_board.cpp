#include "board/board_graphics.h"

#include "schedule/agenda.h"
#include "schedule/calendar.h"
#include "schedule/store.h"
#include "text/decimal.h"
#include "win32/wide_text.h"

bool overflowBoxOpen = false;

namespace {

// What the last paint showed; its overflow text is the box's.
Agenda agenda;

// Cleared for the paints that must not take the focus from the user.
bool raiseOnPaint = true;

// The writing area: the lines of today and tomorrow.
constexpr int kWritingX = 35;
constexpr int kWritingY = 5;
constexpr int kWritingWidth = 185;
constexpr int kWritingHeight = 80;
constexpr int kTodayLineY = 5;
constexpr int kTomorrowLineY = 46;
constexpr int kLineStep = 13;
constexpr int kMarkOffset = 1;

// The date column right of the writing area.
constexpr int kMonthY = 3;
constexpr int kDayY = 28;
constexpr int kOneDigitX = 234;
constexpr int kTwoDigitX = 231;
constexpr int kWeekdayX = 231;
constexpr int kWeekdayY = 51;

constexpr int kWeekdaySize = 16;
constexpr char kOverflowCaption[] = "４件以上の予定があります。";

void drawText(HDC dc, int x, int y, const char* text)
{
    wchar_t wide[kAgendaLineSize];
    int n = toWideN(text, lstrlenA(text), wide, kAgendaLineSize);
    TextOutW(dc, x, y, wide, n);
}

void drawNumber(HDC dc, int y, int number)
{
    char text[kDecimalSize];
    formatDecimal(number, text, kDecimalSize);
    drawText(dc, number >= 10 ? kTwoDigitX : kOneDigitX, y, text);
}

void fillWritingArea(HDC surface)
{
    BoardGraphics& g = boardGraphics;
    HBRUSH brush = CreateSolidBrush(colorRefOf(kBoardGreen));
    HGDIOBJ before = SelectObject(surface, brush);
    if (g.boardBrush) DeleteObject(g.boardBrush);
    g.boardBrush = brush;
    PatBlt(surface, kWritingX, kWritingY, kWritingWidth, kWritingHeight, PATCOPY);
    SelectObject(surface, before);
}

void drawLines(HDC surface)
{
    SetTextColor(surface, colorRefOf(kMarkColour));
    for (int k = 0; k < kAgendaLines; ++k)
        if (agenda.todayMarks[k] == 1)
            drawText(surface, kWritingX + kMarkOffset, kTodayLineY + kLineStep * k + kMarkOffset, agenda.todayLines[k]);
    for (int k = 0; k < kAgendaLines; ++k)
        if (agenda.tomorrowMarks[k] == 1)
            drawText(surface, kWritingX + kMarkOffset, kTomorrowLineY + kLineStep * k + kMarkOffset,
                agenda.tomorrowLines[k]);

    SetTextColor(surface, colorRefOf(kChalkWhite));
    for (int k = 0; k < kAgendaLines; ++k)
        drawText(surface, kWritingX, kTodayLineY + kLineStep * k, agenda.todayLines[k]);
    for (int k = 0; k < kAgendaLines; ++k)
        drawText(surface, kWritingX, kTomorrowLineY + kLineStep * k, agenda.tomorrowLines[k]);
}

void drawDate(HDC surface, const DayInfo& today)
{
    drawNumber(surface, kMonthY, today.month);
    drawNumber(surface, kDayY, today.day);

    SelectObject(surface, boardGraphics.weekdayFont);
    char name[kWeekdaySize];
    const int weekday = today.weekday >= 0 && today.weekday < 7 ? today.weekday : 0;
    wsprintfA(name, "%s", kWeekdayNames[weekday]);
    drawText(surface, kWeekdayX, kWeekdayY, name);
}

}  // namespace

int paintBoard(HWND window, const Schedule& schedule, const Calendar& calendar)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    HDC surface = boardGraphics.surface;
    if (!surface) {
        // Closed already: the window only waits for the process to end.
        EndPaint(window, &paint);
        return 0;
    }

    if (raiseOnPaint) SetForegroundWindow(window);

    // Every paint starts from the untouched picture, so a date that changed
    // since the last paint is not drawn over the old one.
    BitBlt(surface, 0, 0, kBoardPictureWidth, kBoardPictureHeight, boardGraphics.pictureSurface, 0, 0, SRCCOPY);
    fillWritingArea(surface);
    selectAgenda(schedule, calendar, agenda);

    HGDIOBJ fontBefore = SelectObject(surface, boardGraphics.lineFont);
    drawLines(surface);
    drawDate(surface, calendar.today);
    SelectObject(surface, fontBefore);

    const RECT& r = paint.rcPaint;
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, surface, r.left, r.top, SRCCOPY);
    EndPaint(window, &paint);

    if (agenda.overflow != 0) {
        overflowBoxOpen = true;
        messageBox932(window, agenda.overflowText, kOverflowCaption, MB_ICONINFORMATION);
        overflowBoxOpen = false;
    }
    return 0;
}

void repaintWithoutRaising(HWND window)
{
    raiseOnPaint = false;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    raiseOnPaint = true;
}
