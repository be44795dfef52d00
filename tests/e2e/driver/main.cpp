// notavex-driver: acts on the running board as the user and the shell do, so
// that the end-to-end tests drive the real program. One command per run;
// exit code 0 when the action succeeded or the awaited state was seen.
#include <windows.h>

#include <stdlib.h>

#include "board.h"
#include "boxes.h"
#include "controls.h"
#include "input.h"
#include "output.h"
#include "startup.h"
#include "tray.h"

namespace {
constexpr int kDefaultWaitMs = 10000;
constexpr int kMoveStep = 8;  // pixels the move loop moves per arrow key

const char kUsage[] =
    "usage: notavex-driver [--board HWND] COMMAND [ARGS]\n"
    "  --board HWND         act on that board (hex) where several run\n"
    "  activate             make the board the foreground window\n"
    "  wait [MS]            wait for the board (class Notavex) and print it\n"
    "  info                 print the board: rect, client origin and size, styles\n"
    "  gone [MS]            wait until the board window is gone\n"
    "  click X Y            post left press and release at client point X Y\n"
    "  down|move|up X Y     post one left press, mouse move (button held) or release\n"
    "  rclick X Y           post right press and release\n"
    "  drag DX DY           press, three moves (the board starts the system move),\n"
    "                       then arrow keys posted to the move loop and Enter\n"
    "  drag-start X Y       press and three moves; wait for the move loop\n"
    "  drag-end [MS]        wait for the move loop to end\n"
    "  move-loop [MS]       wait for the board to enter the system move loop\n"
    "  no-move-loop [MS]    fail if the board enters the move loop within MS\n"
    "  tray left|right|N    post the tray callback WM_USER(101, mouse message)\n"
    "  command N            post WM_COMMAND N (menu command)\n"
    "  close                post WM_CLOSE\n"
    "  post MSG [W [L]]     post message MSG with WPARAM W and LPARAM L (numbers)\n"
    "  send MSG [W [L]]     send it and print the result once the board has answered\n"
    "  hold FILE MS         hold FILE open, sharing nothing, for MS, as another program\n"
    "  taskbar-created      post the registered message \"TaskbarCreated\"\n"
    "  tray-delete [HWND]   Shell_NotifyIconW NIM_DELETE of icon 101 of the board\n"
    "  tray-modify [HWND]   Shell_NotifyIconW NIM_MODIFY of icon 101 of the board\n"
    "                       (HWND: a board window given in hex, e.g. after it closed)\n"
    "  menu [MS]            wait for a visible popup menu and print it\n"
    "  no-menu [MS]         fail if a popup menu shows within MS (default 1500)\n"
    "  menu-escape          post VK_ESCAPE to the board (closes its popup menu)\n"
    "  post-key NAME        post WM_KEYDOWN and WM_KEYUP of a key to the board\n"
    "  dialog [MS]          wait for a box owned by the board and print it\n"
    "  dialogs              print how many boxes the board owns\n"
    "  no-dialog [MS]       wait until the board owns no box\n"
    "  press ID             send BM_CLICK to button ID of the board's box\n"
    "  dialog-command ID    send WM_COMMAND ID to the board's box\n"
    "  key NAME             a real key stroke through SendInput (return, escape, ...)\n"
    "  activate-dialog      make the board's box the foreground window\n"
    "  foreground           print the foreground window and its class\n"
    "  acp                  print the ANSI code page of this Wine session\n"
    "  startup-links        print the Startup folder and its shortcuts, read back\n"
    "                       through the shell's link object: link TARGET|FOLDER|NAME\n"
    "  set-text ID HEX      WM_SETTEXT of UTF-16 (hex units, - for empty) to control ID of the box\n"
    "  select ID INDEX      choose item INDEX of list ID of the box, with its notification\n"
    "  control ID           print control ID of the box: text, state, items\n";

int argInt(int argc, char** argv, int index, int fallback)
{
    return index < argc ? static_cast<int>(strtol(argv[index], nullptr, 0)) : fallback;
}

bool is(const char* a, const char* b) { return lstrcmpA(a, b) == 0; }

HWND requireBoard(int ms, bool visible = false)
{
    HWND board = waitBoard(ms, visible);
    if (!board) out("error: no board window (class Notavex)\n");
    return board;
}

HWND requireDialog(HWND board, int ms)
{
    HWND dialog = waitOwnedDialog(board, ms);
    if (!dialog) out("error: the board owns no box\n");
    return dialog;
}

int result(bool ok) { return ok ? 0 : 1; }

int commandDrag(HWND board, int dx, int dy)
{
    // The real gesture: press, then the third move makes the board start
    // the system move (SC_MOVE | HTCAPTION), a modal loop on its thread.
    // Wine's loop takes arrow keys from the thread's queue (8 pixels each,
    // moving the cursor along) and Enter as the end of the move, so posting
    // them moves the window the way the system does, without a real pointer.
    RECT before;
    GetWindowRect(board, &before);
    postMouse(board, WM_LBUTTONDOWN, 20, 20, MK_LBUTTON);
    for (int i = 1; i <= 3; ++i) postMouse(board, WM_MOUSEMOVE, 20 + i, 20, MK_LBUTTON);
    if (!waitMoveLoop(board, true, 5000)) {
        out("error: the board did not enter the move loop\n");
        return 1;
    }
    // One key at a time: the loop moves from the point each message carries,
    // which is where the cursor was when it was posted.
    for (int i = 0; i < abs(dx) / kMoveStep + abs(dy) / kMoveStep; ++i) {
        bool horizontal = i < abs(dx) / kMoveStep;
        UINT key = horizontal ? (dx > 0 ? VK_RIGHT : VK_LEFT) : (dy > 0 ? VK_DOWN : VK_UP);
        POINT cursor;
        GetCursorPos(&cursor);
        const POINT expected = {cursor.x
                + (key == VK_RIGHT       ? kMoveStep
                        : key == VK_LEFT ? -kMoveStep
                                         : 0),
            cursor.y
                + (key == VK_DOWN      ? kMoveStep
                        : key == VK_UP ? -kMoveStep
                                       : 0)};
        postKey(board, key);
        // Until the cursor stands where this key puts it: the pointer's own
        // motion events, handled whenever the board's thread wakes (a timer),
        // can show an older place for a moment.
        for (int waited = 0; waited < 2000; waited += 10) {
            POINT now;
            GetCursorPos(&now);
            if (now.x == expected.x && now.y == expected.y) break;
            Sleep(10);
        }
    }
    postKey(board, VK_RETURN);
    if (!waitMoveLoop(board, false, 5000)) {
        out("error: the move loop did not end\n");
        return 1;
    }
    RECT after;
    GetWindowRect(board, &after);
    outf("moved %ld %ld\n", after.left - before.left, after.top - before.top);
    printWindow("board", board);
    return 0;
}

int commandForeground()
{
    HWND window = GetForegroundWindow();
    wchar_t className[64] = L"";
    if (window) GetClassNameW(window, className, 64);
    outf("foreground 0x%llx ", (unsigned long long)(ULONG_PTR)window);
    outWide(className);
    out("\n");
    return 0;
}

int run(int argc, char** argv)
{
    const char* command = argv[1];
    if (is(command, "wait") || is(command, "info")) {
        HWND board = requireBoard(is(command, "wait") ? argInt(argc, argv, 2, kDefaultWaitMs) : 0, true);
        if (!board) return 1;
        printWindow("board", board);
        return 0;
    }
    if (is(command, "gone")) {
        bool gone = waitBoardGone(argInt(argc, argv, 2, kDefaultWaitMs));
        if (!gone) out("error: the board is still there\n");
        return result(gone);
    }
    if (is(command, "no-menu")) {
        int ms = argInt(argc, argv, 2, 1500);
        for (int waited = 0; waited <= ms; waited += 50) {
            if (HWND menu = findPopupMenu()) {
                printWindow("menu", menu);
                out("error: a popup menu is shown\n");
                return 1;
            }
            Sleep(50);
        }
        return 0;
    }
    if (is(command, "menu")) {
        int ms = argInt(argc, argv, 2, kDefaultWaitMs);
        for (int waited = 0; waited <= ms; waited += 50) {
            if (HWND menu = findPopupMenu()) {
                printWindow("menu", menu);
                return 0;
            }
            Sleep(50);
        }
        out("error: no popup menu\n");
        return 1;
    }
    if (is(command, "tray-delete") || is(command, "tray-modify")) {
        HWND board = argc > 2 ? reinterpret_cast<HWND>(static_cast<ULONG_PTR>(strtoull(argv[2], nullptr, 16)))
                              : requireBoard(kDefaultWaitMs);
        if (!board) return 1;
        bool ok = is(command, "tray-delete") ? deleteTrayIcon(board) : modifyTrayIcon(board);
        outf("%s %d\n", command, ok ? 1 : 0);
        return result(ok);
    }
    if (is(command, "key")) {
        if (argc < 3) return 2;
        return result(sendKey(virtualKeyByName(argv[2])));
    }
    if (is(command, "foreground")) return commandForeground();
    if (is(command, "hold")) {
        if (argc < 4) return 2;
        wchar_t path[MAX_PATH];
        MultiByteToWideChar(CP_UTF8, 0, argv[2], -1, path, MAX_PATH);
        HANDLE file = CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return 1;
        out("held\n");
        Sleep(static_cast<DWORD>(argInt(argc, argv, 3, 0)));
        CloseHandle(file);
        return 0;
    }
    if (is(command, "startup-links")) return result(listStartupLinks());
    if (is(command, "acp")) {
        outf("acp %u\n", GetACP());
        return 0;
    }

    HWND board = requireBoard(kDefaultWaitMs);
    if (!board) return 1;
    int x = argInt(argc, argv, 2, 0);
    int y = argInt(argc, argv, 3, 0);
    if (is(command, "click"))
        return result(postMouse(board, WM_LBUTTONDOWN, x, y, MK_LBUTTON) && postMouse(board, WM_LBUTTONUP, x, y, 0));
    if (is(command, "down")) return result(postMouse(board, WM_LBUTTONDOWN, x, y, MK_LBUTTON));
    if (is(command, "move")) return result(postMouse(board, WM_MOUSEMOVE, x, y, MK_LBUTTON));
    if (is(command, "up")) return result(postMouse(board, WM_LBUTTONUP, x, y, 0));
    if (is(command, "rclick"))
        return result(postMouse(board, WM_RBUTTONDOWN, x, y, MK_RBUTTON) && postMouse(board, WM_RBUTTONUP, x, y, 0));
    if (is(command, "drag")) return commandDrag(board, x, y);
    if (is(command, "drag-start")) {
        postMouse(board, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
        for (int i = 1; i <= 3; ++i) postMouse(board, WM_MOUSEMOVE, x + i, y, MK_LBUTTON);
        bool entered = waitMoveLoop(board, true, 5000);
        if (!entered) out("error: the board did not enter the move loop\n");
        return result(entered);
    }
    if (is(command, "move-loop") || is(command, "no-move-loop")) {
        bool want = is(command, "move-loop");
        bool seen = waitMoveLoop(board, true, argInt(argc, argv, 2, want ? 5000 : 1000));
        if (seen != want) out(seen ? "error: the board entered the move loop\n" : "error: no move loop\n");
        return result(seen == want);
    }
    if (is(command, "drag-end")) {
        bool ended = waitMoveLoop(board, false, argInt(argc, argv, 2, 5000));
        if (!ended) out("error: the move loop did not end\n");
        printWindow("board", board);
        return result(ended);
    }
    if (is(command, "tray")) {
        if (argc < 3) return 2;
        LPARAM mouse = is(argv[2], "left") ? WM_LBUTTONDOWN
            : is(argv[2], "right")         ? WM_RBUTTONDOWN
                                           : strtol(argv[2], nullptr, 0);
        return result(PostMessageW(board, WM_USER, kTrayIconId, mouse) != 0);
    }
    if (is(command, "command")) return result(PostMessageW(board, WM_COMMAND, x, 0) != 0);
    if (is(command, "close")) return result(PostMessageW(board, WM_CLOSE, 0, 0) != 0);
    if (is(command, "post")) return result(argc > 2 && PostMessageW(board, x, y, argInt(argc, argv, 4, 0)) != 0);
    if (is(command, "send")) {
        DWORD_PTR answer = 0;
        const bool sent = argc > 2
            && SendMessageTimeoutW(board, x, y, argInt(argc, argv, 4, 0), SMTO_NORMAL, kDefaultWaitMs, &answer) != 0;
        outf("answer %lu\n", static_cast<unsigned long>(answer));
        return result(sent);
    }
    if (is(command, "activate")) return result(SetForegroundWindow(board) != 0);
    if (is(command, "taskbar-created")) {
        UINT message = RegisterWindowMessageW(L"TaskbarCreated");
        return result(message != 0 && PostMessageW(board, message, 0, 0) != 0);
    }
    if (is(command, "menu-escape")) return result(postKey(board, VK_ESCAPE));
    if (is(command, "post-key")) return result(argc > 2 && postKey(board, virtualKeyByName(argv[2])));
    if (is(command, "dialogs")) {
        HWND ignored = nullptr;
        outf("dialogs %d\n", findOwnedDialogs(board, &ignored, 1));
        return 0;
    }
    if (is(command, "no-dialog")) {
        int ms = argInt(argc, argv, 2, kDefaultWaitMs);
        for (int waited = 0;; waited += 50) {
            HWND ignored = nullptr;
            if (findOwnedDialogs(board, &ignored, 1) == 0) return 0;
            if (waited >= ms) break;
            Sleep(50);
        }
        out("error: the board still owns a box\n");
        return 1;
    }
    if (is(command, "dialog")) {
        HWND dialog = requireDialog(board, argInt(argc, argv, 2, kDefaultWaitMs));
        if (!dialog) return 1;
        printDialog(dialog);
        return 0;
    }
    HWND dialog = requireDialog(board, kDefaultWaitMs);
    if (!dialog) return 1;
    if (is(command, "press")) {
        bool pressed = pressButton(dialog, x);
        if (!pressed) out("error: no such button\n");
        return result(pressed);
    }
    if (is(command, "dialog-command")) {
        DWORD_PTR ignored = 0;
        return result(SendMessageTimeoutW(dialog, WM_COMMAND, x, 0, SMTO_ABORTIFHUNG, 5000, &ignored) != 0);
    }
    if (is(command, "activate-dialog")) return result(SetForegroundWindow(dialog) != 0);
    int controlResult = runControlCommand(dialog, command, argc, argv);
    if (controlResult >= 0) return controlResult;
    out(kUsage);
    return 2;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc > 3 && is(argv[1], "--board")) {
        chooseBoard(reinterpret_cast<HWND>(static_cast<ULONG_PTR>(strtoull(argv[2], nullptr, 16))));
        argc -= 2;
        argv += 2;
    }
    if (argc < 2) {
        out(kUsage);
        return 2;
    }
    return run(argc, argv);
}
