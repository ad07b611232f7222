// Shared pieces of the button suites: a host fixture, a probe that logs the drawn states, and pixel helpers.
#pragma once

#include <functional>
#include <vector>

#include "support/harness.h"
#include "buttons/VeluButtons.h"

namespace btntest {

const UINT kButtonId = 1001;

// Caption colours no skin uses, one per state: default, normal, disabled, hot, pressed.
const COLORREF kCaptionColors[kStateCount] = {
    RGB(200, 0, 0), RGB(0, 140, 0), RGB(0, 0, 190), RGB(150, 0, 150), RGB(0, 110, 120),
};

// First ink column of text drawn at x = 0 with hFont.
inline int InkLeft(HFONT hFont, const char* text)
{
    const CSize size = vt::TextExtent(hFont, text);
    vt::MemoryCanvas canvas(size.cx + 20, size.cy + 4, RGB(255, 255, 255));
    vt::SelectGuard guard(canvas, hFont);
    ::SetBkMode(canvas, TRANSPARENT);
    CRect rc(0, 0, canvas.width(), canvas.height());
    ::DrawTextA(canvas, text, -1, &rc, DT_SINGLELINE | DT_NOCLIP);
    return vt::BoundsOf(canvas.Snapshot(), rc, RGB(0, 0, 0)).left;
}

// Colour of one pixel of a skin bitmap (x from the left, y from the top).
inline COLORREF SkinPixel(HBITMAP hSkin, int x, int y)
{
    vt::MemoryCanvas canvas(1, 1);
    vt::SelectGuard skin(canvas, hSkin);
    return ::GetPixel(canvas, x, y);
}

// Succeeds when pixel(x, y) holds all round the one-pixel frame of rc (inclusive right and bottom).
inline ::testing::AssertionResult FrameHolds(const CRect& rc, const std::function<bool(int x, int y)>& pixel)
{
    for (int x = rc.left; x <= rc.right; ++x)
        for (int y = rc.top; y <= rc.bottom; ++y)
            if ((x == rc.left || x == rc.right || y == rc.top || y == rc.bottom) && !pixel(x, y))
                return ::testing::AssertionFailure() << "frame pixel (" << x << ", " << y << ") is wrong";
    return ::testing::AssertionSuccess();
}
// Focus patterns are drawn in the DC's black text and white background colours.
inline bool IsBlackOrWhite(COLORREF c) { return c == RGB(0, 0, 0) || c == RGB(255, 255, 255); }

// A 16x16 icon of one colour, destroyed with the object.
class SolidIcon
{
public:
    explicit SolidIcon(COLORREF colour)
    {
        const std::vector<DWORD> bits(16 * 16, (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour));
        const BYTE mask[16 * 16 / 8] = {};
        m_icon = ::CreateIcon(NULL, 16, 16, 1, 32, mask, reinterpret_cast<const BYTE*>(bits.data()));
    }
    ~SolidIcon() { ::DestroyIcon(m_icon); }
    SolidIcon(const SolidIcon&) = delete;
    SolidIcon& operator=(const SolidIcon&) = delete;
    HICON get() const { return m_icon; }

private:
    HICON m_icon;
};

// Marks a paint in a probe's message log: kPaintMark plus the visual state painted.
const UINT kPaintMark = WM_APP + 0x100;

// Any button kind that logs each state it paints (with the time) and every
// message it gets; paints enter the message log too, so their order shows.
template <class Base>
class Probe : public Base
{
public:
    std::vector<DWORD> states, times;
    std::vector<UINT> messages;

    DWORD LastState() const { return states.empty() ? 0 : states.back(); }
    DWORD Flags() const { return this->m_dwMouseFlags; }
    void Toggle(BOOL repaint) { this->ToggleCheck(repaint); }
    void DrawBackground(CDC* pDC, RECT* pRect, DWORD dwState) override
    {
        states.push_back(dwState);
        times.push_back(::GetTickCount());
        messages.push_back(kPaintMark + dwState);
        Base::DrawBackground(pDC, pRect, dwState);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        messages.push_back(message);
        return Base::WindowProc(message, wParam, lParam);
    }
};

// Parks the cursor before a fixture's host appears, so that no stale hover reaches a new control.
struct CursorParked { CursorParked() { vt::ParkCursor(); } };

// A host holding one control under test at rect; pointer and buttons are put back after each test.
template <class Control>
class ControlTest : public ::testing::Test
{
protected:
    ControlTest(const CRect& rc, COLORREF background) : host(320, 200, background), rect(rc) {}

    CursorParked parked;
    vt::HostWnd host;
    vt::GdiObject fontObject{vt::MakeCrispFont()};
    const HFONT font = static_cast<HFONT>(fontObject.get());
    Probe<Control> ctl;
    const CRect rect;

    vt::Capture Shot()
    {
        vt::PaintNow(host.m_hWnd);
        return vt::Capture::FromWindow(ctl.m_hWnd);
    }
    CRect Whole() const { return CRect(0, 0, rect.Width(), rect.Height()); }
    bool WaitFor(DWORD state) { return vt::PumpUntil([&] { return ctl.LastState() == state; }); }
    // Moves the pointer to a point of the host's client area and waits for state.
    bool MoveTo(CPoint client, DWORD state)
    {
        vt::MoveCursor(host.ToScreen(client));
        return WaitFor(state);
    }
    bool Hover() { return MoveTo(rect.CenterPoint(), kStateHot); }
    bool Leave()
    {
        vt::ParkCursor();
        return vt::PumpUntil([&] { return ctl.LastState() != kStateHot; });
    }
    bool Focus() { return vt::FocusOn(ctl); }
    // Creates a push button kind as an application does in code, with the test font.
    bool Make(const char* caption = "Press", DWORD extraStyle = 0)
    {
        if (!ctl.Create(caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | extraStyle, rect, &host, kButtonId))
            return false;
        ctl.SetFont(CFont::FromHandle(font), FALSE);
        vt::PaintNow(host.m_hWnd);
        return true;
    }

    // One step of a walk through states by real input: the colour shown within
    // the walk's area, one that must not be there, and more checks of the shot.
    struct ColourStep { const char* name; std::function<bool()> act; COLORREF shown; COLORREF absent; };
    void Walk(const std::vector<ColourStep>& steps, const CRect& area,
              const std::function<void(size_t, const vt::Capture&)>& more = nullptr)
    {
        for (size_t i = 0; i < steps.size(); ++i) {
            SCOPED_TRACE(steps[i].name);
            ASSERT_TRUE(steps[i].act());
            const vt::Capture shot = Shot();
            EXPECT_GT(vt::CountColour(shot, area, steps[i].shown), 0);
            EXPECT_EQ(0, vt::CountColour(shot, area, steps[i].absent));
            if (more)
                more(i, shot);
        }
    }

    void TearDown() override
    {
        vt::MouseUp();
        ::ReleaseCapture();
        vt::ParkCursor();
    }
};

}  // namespace btntest
