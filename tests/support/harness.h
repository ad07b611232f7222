// Test harness: host windows, a message pump, real input, a message recorder,
// pixel capture and a GDI object counter, shared by every suite.
#pragma once

#include <afxwin.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace vt {

// ---------------------------------------------------------------- pumping

// Runs queued messages through the application's pre-translate walk and
// dispatch, as CWinThread::Run does, until cond() holds or timeoutMs passes.
// Idle processing (temporary-object cleanup) runs whenever the queue empties.
bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs = 2000);

// Pumps for the whole of ms; for checks that something does NOT happen.
void PumpFor(DWORD ms);

// Pumps what is queued now and returns.
void PumpPending();

// ---------------------------------------------------------------- hosts

// A top-level MFC window at a known screen position, used as the parent of
// the control under test.  Its client area starts at kHostOrigin on screen.
// Messages it receives are appended to received() for later inspection.
class HostWnd : public CWnd
{
public:
    struct Msg { UINT message; WPARAM wParam; LPARAM lParam; };

    explicit HostWnd(int clientWidth = 320, int clientHeight = 240,
                     COLORREF background = RGB(255, 255, 255));
    ~HostWnd() override;

    // Screen position of a point given in client coordinates.
    CPoint ToScreen(CPoint client) const;
    COLORREF Background() const { return m_background; }

    const std::vector<Msg>& received() const { return m_received; }
    void ClearReceived() { m_received.clear(); }
    int CountReceived(UINT message) const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    COLORREF m_background;
    HBRUSH m_brush;
    std::vector<Msg> m_received;
};

constexpr POINT kHostOrigin = {40, 40};

// ---------------------------------------------------------------- input

// Moves the real cursor (screen coordinates) and lets the move arrive.
void MoveCursor(POINT screen);
// Moves the cursor somewhere no test window lives.
void ParkCursor();
void MouseDown(bool right = false);
void MouseUp(bool right = false);
void Click(POINT screen, bool right = false);
void DoubleClick(POINT screen);
void Wheel(int delta);
// Key down and up of one virtual key, with optional held modifiers.
void KeyPress(WORD vk, bool shift = false, bool ctrl = false);
void KeyDown(WORD vk);
void KeyUp(WORD vk);
// Types printable ANSI text through the keyboard layout (VkKeyScan).
void TypeText(const char* text);
// Makes the host the foreground window so that keys reach its focus.
void Activate(HWND topLevel);

// ---------------------------------------------------------------- messages

// Records messages that reach chosen windows (sent and posted), in order.
class MessageRecorder
{
public:
    struct Entry
    {
        HWND hwnd;
        UINT message;
    };

    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void Watch(HWND hwnd) { m_windows.push_back(hwnd); }
    // Only these messages are kept; empty keeps everything.
    void Only(std::vector<UINT> messages) { m_filter = std::move(messages); }
    void Clear() { m_entries.clear(); }
    const std::vector<Entry>& entries() const { return m_entries; }
    std::vector<UINT> Messages(HWND hwnd = nullptr) const;

private:
    static LRESULT CALLBACK CallWndProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK GetMsgProc(int code, WPARAM wParam, LPARAM lParam);
    void Record(HWND hwnd, UINT message);

    HHOOK m_callHook;
    HHOOK m_getHook;
    std::vector<HWND> m_windows;
    std::vector<UINT> m_filter;
    std::vector<Entry> m_entries;
    MessageRecorder* m_previous;
};

// "WM_PAINT" for the messages the suites name in traces, else the number.
std::string MessageName(UINT message);

// ---------------------------------------------------------------- pixels

// A 32-bpp copy of a rectangle of a window or DC, read back pixel by pixel.
class Capture
{
public:
    // The client area (or, with wholeWindow, the window rectangle) of hwnd.
    static Capture FromWindow(HWND hwnd, bool wholeWindow = false);
    static Capture FromDC(HDC dc, const RECT& rect);

    int width() const { return m_width; }
    int height() const { return m_height; }
    COLORREF At(int x, int y) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<DWORD> m_pixels;   // 0x00RRGGBB rows, top-down
};

// Writes the capture under test-output/ named after the running test.
std::string DumpForCurrentTest(const Capture& capture, const char* tag = "capture");

::testing::AssertionResult PixelIs(const Capture& capture, int x, int y, COLORREF expected);

// "RGB(r, g, b)", for readable colour comparisons in failure messages.
std::string ColourText(COLORREF colour);

#define EXPECT_PIXEL(capture, x, y, color) EXPECT_TRUE(::vt::PixelIs((capture), (x), (y), (color)))

// ---------------------------------------------------------------- leaks

// Live GDI objects of this process (stock objects excluded).  Uses
// GetGuiResources where the platform implements it, else the process's GDI
// handle table, which is what Wine maintains.
int GdiObjectCount();
// Windows (top-level and child) owned by this thread.
int ThreadWindowCount();
// The same two counts for another process of this architecture (opened with
// PROCESS_QUERY_INFORMATION | PROCESS_VM_READ), such as an application a
// test started.
int GdiObjectCount(HANDLE process);
int ProcessWindowCount(DWORD processId);
// Bytes held by live blocks of every heap of the process (HeapWalk), which
// is where the C runtime's malloc and the platform's own records live.
SIZE_T HeapBytesInUse();

// ---------------------------------------------------------------- checks

// Paints the window and its children now, background included, and lets
// the follow-up messages through.
void PaintNow(HWND hwnd);
// Brings wnd's top-level window to the front and gives wnd the keyboard focus.
bool FocusOn(CWnd& wnd);
// Pixels of rc in shot that are exactly colour, and their bounding box
// (empty when there is none).
int CountColour(const Capture& shot, const RECT& rc, COLORREF colour);
CRect BoundsOf(const Capture& shot, const RECT& rc, COLORREF colour);
// One line of text as DrawText measures it with font (null: a DC's own font).
CSize TextExtent(HFONT font, const char* text);
// Runs cycle a few times, so that what the platform and the library make
// once settles, then `times` more (stopping at a fatal failure inside it);
// succeeds when GDI objects, windows and, if asked, heap bytes are back
// where they were.
::testing::AssertionResult LeavesNothingBehind(const std::function<void()>& cycle, int times = 20,
                                               bool heap = false);

// ---------------------------------------------------------------- dialogs

// A DLGTEMPLATE with items, built in memory; with a font face, DS_SETFONT.
class DialogTemplate
{
public:
    explicit DialogTemplate(DWORD style, const char* font = nullptr, WORD points = 8);
    // classAtom: 0x0080 button, 0x0081 edit, 0x0082 static.
    void AddItem(UINT id, WORD classAtom, DWORD style, const char* text);
    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data()); }

private:
    std::vector<WORD> m_words;
};

// ---------------------------------------------------------------- RAII

// Scoped DC of a window, released on every path.
class WindowDC
{
public:
    explicit WindowDC(HWND hwnd) : m_hwnd(hwnd), m_dc(::GetDC(hwnd)) {}
    ~WindowDC() { ::ReleaseDC(m_hwnd, m_dc); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    operator HDC() const { return m_dc; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

// A memory DC holding a 32-bpp top-down DIB section of the given size,
// filled with one colour; for painting tests without a window.
class MemoryCanvas
{
public:
    MemoryCanvas(int width, int height, COLORREF fill = RGB(255, 255, 255));
    ~MemoryCanvas();
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    HDC dc() const { return m_dc; }
    operator HDC() const { return m_dc; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    COLORREF At(int x, int y) const;
    void Fill(COLORREF colour);
    Capture Snapshot() const;

private:
    friend class Capture;   // reads the pixels straight from the DIB
    int m_width;
    int m_height;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_oldBitmap;
    DWORD* m_bits;
};

// Selects a GDI object into a DC for the lifetime of the guard.
class SelectGuard
{
public:
    SelectGuard(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(::SelectObject(dc, object)) {}
    ~SelectGuard() { ::SelectObject(m_dc, m_old); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// Owns any GDI object and deletes it on scope exit.
class GdiObject
{
public:
    explicit GdiObject(HGDIOBJ object = nullptr) : m_object(object) {}
    ~GdiObject() { if (m_object) ::DeleteObject(m_object); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    HGDIOBJ get() const { return m_object; }
    operator HGDIOBJ() const { return m_object; }
    HBITMAP bitmap() const { return static_cast<HBITMAP>(m_object); }
    HBRUSH brush() const { return static_cast<HBRUSH>(m_object); }

private:
    HGDIOBJ m_object;
};

// An "MS Sans Serif" font with crisp (not smoothed) glyphs, so that text
// pixels carry the text colour exactly and text drawn twice looks the same.
inline HFONT MakeCrispFont()
{
    return ::CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, "MS Sans Serif");
}

// ---------------------------------------------------------------- programs

// A program of this suite's folder started as a process of its own, for
// tests that drive an application as its user does. Ended (if still running)
// on destruction.
class Program
{
public:
    explicit Program(const char* exeName);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    const CString& path() const { return m_path; }
    DWORD startTick() const { return m_startTick; }
    // A visible top-level window of the process with that title, or (title
    // NULL) of that class; NULL at the deadline.
    HWND WaitForWindow(const char* title, const char* className, DWORD timeoutMs) const;
    // The rectangle a common control of the process writes for a message
    // such as TB_GETITEMRECT, through a buffer in its address space; screen
    // coordinates.
    CRect ItemRect(HWND hControl, UINT message, WPARAM wParam) const;
    // The exit code once the process ends, STILL_ACTIVE at the deadline.
    DWORD ExitCode(DWORD timeoutMs) const;
    // GDI objects and windows of the process once two readings a moment
    // apart agree (a paint in flight holds a DC for a moment).
    std::pair<int, int> SettledCounts(DWORD timeoutMs) const;

private:
    CString m_path;
    PROCESS_INFORMATION m_pi = {};
    DWORD m_startTick = 0;
    void* m_remote = nullptr;   // freed with the process
};

}  // namespace vt
