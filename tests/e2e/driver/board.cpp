#include "board.h"

#include "output.h"

namespace {
HWND chosenBoard = nullptr;
}  // namespace

HWND findBoard()
{
    if (chosenBoard) return IsWindow(chosenBoard) ? chosenBoard : nullptr;
    return FindWindowW(L"Notavex", nullptr);
}

void chooseBoard(HWND board) { chosenBoard = board; }

HWND waitBoard(int ms, bool visible)
{
    for (int waited = 0;; waited += 50) {
        HWND board = findBoard();
        if (board && (!visible || IsWindowVisible(board))) return board;
        if (waited >= ms) return nullptr;
        Sleep(50);
    }
}

bool waitBoardGone(int ms)
{
    for (int waited = 0;; waited += 50) {
        if (!findBoard()) return true;
        if (waited >= ms) return false;
        Sleep(50);
    }
}

POINT clientOrigin(HWND window)
{
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    return origin;
}

void printWindow(const char* what, HWND window)
{
    RECT rect = {0, 0, 0, 0};
    RECT client = {0, 0, 0, 0};
    GetWindowRect(window, &rect);
    GetClientRect(window, &client);
    POINT origin = clientOrigin(window);
    outf("%s 0x%llx\n", what, (unsigned long long)(ULONG_PTR)window);
    outf("rect %ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
    outf("client %ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
    outf("exstyle 0x%08lx\n", (unsigned long)GetWindowLongW(window, GWL_EXSTYLE));
    outf("style 0x%08lx\n", (unsigned long)GetWindowLongW(window, GWL_STYLE));
    outf("visible %d\n", IsWindowVisible(window) ? 1 : 0);
    outf("enabled %d\n", IsWindowEnabled(window) ? 1 : 0);
}
