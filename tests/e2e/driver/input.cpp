#include "input.h"

#include <stdlib.h>

bool postMouse(HWND window, UINT message, int x, int y, WPARAM keys)
{
    return PostMessageW(window, message, keys, MAKELPARAM(x, y)) != 0;
}

bool postKey(HWND window, UINT virtualKey)
{
    UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16);
    LPARAM up = down | (1L << 30) | (1L << 31);
    return PostMessageW(window, WM_KEYDOWN, virtualKey, down) && PostMessageW(window, WM_KEYUP, virtualKey, up);
}

bool sendKey(UINT virtualKey)
{
    INPUT keys[2] = {};
    keys[0].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = static_cast<WORD>(virtualKey);
    keys[0].ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    keys[1] = keys[0];
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return SendInput(2, keys, sizeof(INPUT)) == 2;
}

bool inMoveLoop(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (!GetGUIThreadInfo(thread, &info)) return false;
    return (info.flags & GUI_INMOVESIZE) != 0;
}

bool waitMoveLoop(HWND window, bool want, int ms)
{
    for (int waited = 0;; waited += 20) {
        if (inMoveLoop(window) == want) return true;
        if (waited >= ms) return false;
        Sleep(20);
    }
}

UINT virtualKeyByName(const char* name)
{
    struct Named {
        const char* name;
        UINT key;
    };
    static const Named names[] = {
        {"return", VK_RETURN},
        {"escape", VK_ESCAPE},
        {"space", VK_SPACE},
        {"tab", VK_TAB},
        {"left", VK_LEFT},
        {"right", VK_RIGHT},
        {"up", VK_UP},
        {"down", VK_DOWN},
    };
    for (const Named& entry : names)
        if (lstrcmpiA(entry.name, name) == 0) return entry.key;
    return static_cast<UINT>(strtoul(name, nullptr, 0));
}
