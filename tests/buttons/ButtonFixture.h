// Shared pieces of the button suites: hosts, probes that expose the drawn state, pixel helpers.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "support/harness.h"
#include "buttons/VeluButtons.h"

namespace btntest {

const UINT kButtonId = 1001;

// Parks the cursor before a fixture's host appears, so that no stale hover reaches a new control.
struct CursorParked
{
    CursorParked() { vt::ParkCursor(); }
};

// Runs cycle (create, paint, destroy) a few times so that the system's DC
// cache and lazily made objects settle, counts, runs it 20 more times and
// succeeds when GDI objects and windows are back to that count.
::testing::AssertionResult LeavesNothingBehind(const std::function<void()>& cycle);

// Caption colours no skin uses, one per state: default, normal, disabled, hot, pressed.
const COLORREF kCaptionColors[kStateCount] = {
    RGB(200, 0, 0), RGB(0, 140, 0), RGB(0, 0, 190), RGB(150, 0, 150), RGB(0, 110, 120),
};

// A font with crisp (not smoothed) glyphs, so that caption pixels carry the text colour exactly.
class TestFont
{
public:
    explicit TestFont(int height = -13, const char* face = "MS Sans Serif");
    ~TestFont();
    TestFont(const TestFont&) = delete;
    TestFont& operator=(const TestFont&) = delete;
    HFONT get() const { return m_font; }
    CFont* cfont() const { return CFont::FromHandle(m_font); }

private:
    HFONT m_font;
};

// Width and height of text as DrawText measures it in a DC holding hFont
// (null: the DC's own default font).
CSize MeasureText(HFONT hFont, const char* text);

// First and last ink column of text drawn at x = 0 with hFont: where the
// glyphs really start and end relative to the drawing position.
struct Ink { int left; int right; };
Ink InkOf(HFONT hFont, const char* text);

// Colour of one pixel of a skin bitmap (x from the left, y from the top).
COLORREF SkinPixel(HBITMAP hSkin, int x, int y);

// Pixels of exactly colour within rc of the capture.
int CountColour(const vt::Capture& shot, const RECT& rc, COLORREF colour);
// Bounding box of the pixels of exactly colour within rc; empty when none.
CRect BoundsOf(const vt::Capture& shot, const RECT& rc, COLORREF colour);

// Paints every invalid window now and lets follow-up messages through.
void Settle(HWND hwnd);

// Brings host to the front and gives wnd the focus.
bool FocusOn(CWnd& host, CWnd& wnd);

// Waits until the drawn-state log of a probe grows with a given state.
template <class Probe>
bool WaitForState(Probe& probe, DWORD state, DWORD ms = 2000)
{
    return vt::PumpUntil([&] { return probe.LastState() == state; }, ms);
}

// A 16x16 icon filled with one colour; owned and destroyed by the object.
class SolidIcon
{
public:
    explicit SolidIcon(COLORREF colour, int size = 16, bool monochrome = false);
    ~SolidIcon();
    SolidIcon(const SolidIcon&) = delete;
    SolidIcon& operator=(const SolidIcon&) = delete;
    HICON get() const { return m_icon; }

private:
    HICON m_icon;
};

// Marks a paint in a probe's message log: kPaintMark plus the visual state painted.
const UINT kPaintMark = WM_APP + 0x100;

// Push button that logs each visual state it paints and every message its
// window gets; paints also enter the message log, so their order shows.
template <class Base>
class ButtonProbe : public Base
{
public:
    std::vector<DWORD> states;
    std::vector<UINT> messages;

    DWORD LastState() const { return states.empty() ? 0 : states.back(); }
    int StateAt(UINT itemState) const { return (int)this->GetDrawState(itemState); }
    HICON IconFor(DWORD state, SIZE* size) { return this->GetDrawIcon(size, state); }
    void ForceHover(BOOL hover) { this->m_bHover = hover; }
    void ForceDefault(BOOL isDefault) { this->m_bIsDefault = isDefault; }

    void DrawBackground(CDC* pDC, RECT* pRect, DWORD dwState) override
    {
        states.push_back(dwState);
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

typedef ButtonProbe<CCoolButton> CoolButtonProbe;
typedef ButtonProbe<CCoolHelpButton> HelpButtonProbe;

// Creates a push button as an application does in code.
BOOL CreateButton(CButton& button, CWnd& parent, const CRect& rect, const char* caption,
                  DWORD extraStyle = 0, HFONT hFont = NULL);

// A modeless dialog built from an in-memory template holding one control of
// the given class, style and caption at rect (dialog units are avoided: the
// control is moved to rect in pixels after creation). The control's id is kButtonId.
class TemplateDialog : public CDialog
{
public:
    TemplateDialog(const char* controlClass, DWORD controlStyle, const char* caption,
                   const CRect& rect);
    ~TemplateDialog() override;
    TemplateDialog(const TemplateDialog&) = delete;
    TemplateDialog& operator=(const TemplateDialog&) = delete;

    // Creates the dialog at the host origin, subclasses the control with
    // control and returns whether both worked.
    bool Open(CWnd& control);

private:
    std::vector<WORD> m_template;
    CRect m_rect;
};

}  // namespace btntest
