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

// Sizes and places come from the scale the drawing objects were made for.
const BoardScale& scale() { return boardGraphics.scale; }

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
    drawText(dc, number >= 10 ? scale().twoDigitX : scale().oneDigitX, y, text);
}

void fillWritingArea(HDC surface)
{
    BoardGraphics& g = boardGraphics;
    HBRUSH brush = CreateSolidBrush(colorRefOf(kBoardGreen));
    HGDIOBJ before = SelectObject(surface, brush);
    if (g.boardBrush) DeleteObject(g.boardBrush);
    g.boardBrush = brush;
    const BoardScale& s = scale();
    PatBlt(surface, s.writingX, s.writingY, s.writingWidth, s.writingHeight, PATCOPY);
    SelectObject(surface, before);
}

void drawLines(HDC surface)
{
    const BoardScale& s = scale();
    const int markX = s.writingX + s.markOffset;
    SetTextColor(surface, colorRefOf(kMarkColour));
    for (int k = 0; k < kAgendaLines; ++k)
        if (agenda.todayMarks[k] == 1)
            drawText(surface, markX, boardLineY(s, BoardDay::Today, k) + s.markOffset, agenda.todayLines[k]);
    for (int k = 0; k < kAgendaLines; ++k)
        if (agenda.tomorrowMarks[k] == 1)
            drawText(surface, markX, boardLineY(s, BoardDay::Tomorrow, k) + s.markOffset, agenda.tomorrowLines[k]);

    SetTextColor(surface, colorRefOf(kChalkWhite));
    for (int k = 0; k < kAgendaLines; ++k)
        drawText(surface, s.writingX, boardLineY(s, BoardDay::Today, k), agenda.todayLines[k]);
    for (int k = 0; k < kAgendaLines; ++k)
        drawText(surface, s.writingX, boardLineY(s, BoardDay::Tomorrow, k), agenda.tomorrowLines[k]);
}

void drawDate(HDC surface, const DayInfo& today)
{
    drawNumber(surface, scale().monthY, today.month);
    drawNumber(surface, scale().dayY, today.day);

    SelectObject(surface, boardGraphics.weekdayFont);
    char name[kWeekdaySize];
    const int weekday = today.weekday >= 0 && today.weekday < 7 ? today.weekday : 0;
    wsprintfA(name, "%s", kWeekdayNames[weekday]);
    drawText(surface, scale().weekdayX, scale().weekdayY, name);
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
    BitBlt(surface, 0, 0, scale().width, scale().height, boardGraphics.pictureSurface, 0, 0, SRCCOPY);
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
