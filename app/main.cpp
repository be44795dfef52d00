#include "app/board_lock.h"
#include "app/board_window.h"
#include "app/folder_watch.h"
#include "layout/board_layout.h"
#include "resources/resource.h"

BoardProgram program;
BoardState board;

namespace {

bool registerBoardClass(HINSTANCE instance)
{
    WNDCLASSEXW boardClass{};
    boardClass.cbSize = sizeof boardClass;
    boardClass.style = 0;  // no double clicks: the first click already closes
    boardClass.lpfnWndProc = boardWindowProc;
    boardClass.hInstance = instance;
    boardClass.hIcon = program.icon;
    boardClass.hIconSm = program.icon;
    boardClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    boardClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    boardClass.lpszClassName = kBoardClassName;
    return RegisterClassExW(&boardClass) != 0;
}

// Layered windows are optional: without them the board keeps its corners.
SetLayeredWindowAttributesFunction findSetLayeredWindowAttributes()
{
    HMODULE user32 = LoadLibraryW(L"user32.dll");
    if (!user32) return nullptr;
    FARPROC found = GetProcAddress(user32, "SetLayeredWindowAttributes");
    // Through the generic function type, which converts to any other.
    return reinterpret_cast<SetLayeredWindowAttributesFunction>(reinterpret_cast<void (*)()>(found));
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    // Before any window or file: two boards on one settings file would each
    // save over the other's changes.
    program.lock = takeBoardLock();
    if (program.lock == BoardLock::HeldByAnother) {
        showRunningBoard();
        return 0;
    }
    program.showBoardMessage = RegisterWindowMessageW(kShowBoardMessageName);
    program.icon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_NOTAVEX));
    if (!registerBoardClass(instance)) return 0;
    program.setLayeredWindowAttributes = findSetLayeredWindowAttributes();

    HWND window = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, kBoardClassName, kBoardTitle,
        WS_POPUP | WS_DLGFRAME | WS_SYSMENU, 0, 0, kBoardOuterWidth, kBoardOuterHeight, nullptr, nullptr, instance,
        nullptr);
    if (!window) return 0;
    program.instance = instance;

    ShowWindow(window, showCommand);
    UpdateWindow(window);

    // Messages, and the folder's change notification beside them: idle, the
    // board wakes for nothing else.
    for (;;) {
        HANDLE folder = folderWatchHandle();
        const DWORD handles = folder ? 1 : 0;
        if (MsgWaitForMultipleObjectsEx(handles, &folder, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE) == WAIT_OBJECT_0
            && handles == 1) {
            followFolder(window);
            continue;
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}
