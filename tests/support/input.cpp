// Real input: the cursor, mouse buttons and keys go through the system's
// input queue, so controls see them exactly as a user's.
#include "support/harness.h"

namespace vt {
namespace {

void SendMouse(DWORD flags, DWORD data = 0)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    in.mi.mouseData = data;
    ::SendInput(1, &in, sizeof(in));
}

void SendKey(WORD vk, bool up)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(::MapVirtualKey(vk, 0));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &in, sizeof(in));
}

}  // namespace

void MoveCursor(POINT screen)
{
    ::SetCursorPos(screen.x, screen.y);
    PumpPending();
}

void ParkCursor()
{
    MoveCursor({::GetSystemMetrics(SM_CXSCREEN) - 2, ::GetSystemMetrics(SM_CYSCREEN) - 2});
}

void MouseDown(bool right)
{
    SendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    PumpPending();
}

void MouseUp(bool right)
{
    SendMouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    PumpPending();
}

void Click(POINT screen, bool right)
{
    MoveCursor(screen);
    MouseDown(right);
    MouseUp(right);
}

void DoubleClick(POINT screen)
{
    Click(screen);
    Click(screen);
}

void Wheel(int delta)
{
    SendMouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(delta));
    PumpPending();
}

void KeyDown(WORD vk)
{
    SendKey(vk, false);
    PumpPending();
}

void KeyUp(WORD vk)
{
    SendKey(vk, true);
    PumpPending();
}

void KeyPress(WORD vk, bool shift, bool ctrl)
{
    if (ctrl)
        SendKey(VK_CONTROL, false);
    if (shift)
        SendKey(VK_SHIFT, false);
    SendKey(vk, false);
    SendKey(vk, true);
    if (shift)
        SendKey(VK_SHIFT, true);
    if (ctrl)
        SendKey(VK_CONTROL, true);
    PumpPending();
}

void TypeText(const char* text)
{
    for (; *text; ++text) {
        const SHORT scan = ::VkKeyScanA(*text);
        if (scan == -1)
            continue;
        KeyPress(LOBYTE(scan), (HIBYTE(scan) & 1) != 0, (HIBYTE(scan) & 2) != 0);
    }
}

void Activate(HWND topLevel)
{
    ::SetForegroundWindow(topLevel);
    ::SetActiveWindow(topLevel);
    PumpUntil([&] { return ::GetForegroundWindow() == topLevel; }, 1000);
}

}  // namespace vt
