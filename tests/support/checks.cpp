// Checks shared by the suites: painting now, focus, colour counts, text
// extents and the leak count around repeated cycles.
#include "support/harness.h"

namespace vt {

void PaintNow(HWND hwnd)
{
    ::RedrawWindow(hwnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpPending();
    ::GdiFlush();
}

bool FocusOn(CWnd& wnd)
{
    Activate(::GetAncestor(wnd.m_hWnd, GA_ROOT));
    ::SetFocus(wnd.m_hWnd);
    return PumpUntil([&] { return ::GetFocus() == wnd.m_hWnd; });
}

int CountColour(const Capture& shot, const RECT& rc, COLORREF colour)
{
    int count = 0;
    for (int y = rc.top; y < rc.bottom; ++y) {
        for (int x = rc.left; x < rc.right; ++x)
            count += shot.At(x, y) == colour;
    }
    return count;
}

CRect BoundsOf(const Capture& shot, const RECT& rc, COLORREF colour)
{
    CRect bounds(0, 0, 0, 0);
    for (int y = rc.top; y < rc.bottom; ++y) {
        for (int x = rc.left; x < rc.right; ++x) {
            if (shot.At(x, y) == colour)
                bounds |= CRect(x, y, x + 1, y + 1);   // an empty rectangle counts for nothing
        }
    }
    return bounds;
}

CSize TextExtent(HFONT font, const char* text)
{
    MemoryCanvas canvas(8, 8);
    SelectGuard guard(canvas, font ? HGDIOBJ(font) : ::GetCurrentObject(canvas, OBJ_FONT));
    CRect rc(0, 0, 0, 0);
    ::DrawTextA(canvas, text, -1, &rc, DT_CALCRECT | DT_SINGLELINE);
    return rc.Size();
}

::testing::AssertionResult LeavesNothingBehind(const std::function<void()>& cycle, int times, bool heap)
{
    for (int i = 0; i < 3 && !::testing::Test::HasFatalFailure(); ++i)
        cycle();
    PumpPending();
    const int gdi = GdiObjectCount(), windows = ThreadWindowCount();
    const SIZE_T bytes = heap ? HeapBytesInUse() : 0;
    for (int i = 0; i < times && !::testing::Test::HasFatalFailure(); ++i)
        cycle();
    PumpPending();
    const int gdiAfter = GdiObjectCount(), windowsAfter = ThreadWindowCount();
    const SIZE_T bytesAfter = heap ? HeapBytesInUse() : 0;
    if (gdi <= 0)
        return ::testing::AssertionFailure() << "the GDI object counter does not work here";
    // The counts go with success too, so that a soak can report them.
    ::testing::AssertionResult result = gdi == gdiAfter && windows == windowsAfter && bytes == bytesAfter
                                            ? ::testing::AssertionSuccess()
                                            : ::testing::AssertionFailure();
    return result << "after " << times << " cycles: GDI objects " << gdi << " -> " << gdiAfter << ", windows "
                  << windows << " -> " << windowsAfter << ", heap bytes " << bytes << " -> " << bytesAfter;
}

}  // namespace vt
