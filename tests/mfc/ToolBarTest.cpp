// Tool bars: buttons and images from the RT_TOOLBAR and bitmap resources,
// a floating palette of columns, and a combo box in a separator slot.
#include "frame/TestFrame.h"

namespace {

// Exposes the image well and sizes MFC keeps for derived bars.
class CProbeToolBar : public CToolBar
{
public:
    using CToolBar::m_hbmImageWell;
    using CToolBar::m_sizeImage;
};

CRect ItemRect(const CToolBar& bar, int nIndex)
{
    CRect rect;
    bar.GetItemRect(nIndex, &rect);
    return rect;
}

}  // namespace

TEST(ToolBar, LoadToolBarMakesButtonsSeparatorsAndTheImageWell)
{
    FrameHolder frame;
    CProbeToolBar bar;
    ASSERT_TRUE(bar.CreateEx(frame.get()));
    EXPECT_FALSE(bar.LoadToolBar(IDR_TESTFRAME + 99));
    ASSERT_TRUE(bar.LoadToolBar(IDR_TESTFRAME));
    EXPECT_EQ(bar.GetCount(), 5);
    const struct { UINT nID; UINT nStyle; int iImage; } buttons[] = {
        {ID_TEST_ALPHA, TBBS_BUTTON, 0}, {ID_TEST_BETA, TBBS_BUTTON, 1}, {0, TBBS_SEPARATOR, 6},
        {ID_TEST_GAMMA, TBBS_BUTTON, 2}, {ID_TEST_DELTA, TBBS_BUTTON, 3},
    };
    for (int i = 0; i < 5; i++) {
        UINT nID, nStyle;
        int iImage;
        bar.GetButtonInfo(i, nID, nStyle, iImage);
        EXPECT_EQ(std::make_tuple(nID, LOWORD(nStyle), iImage, bar.GetItemID(i)),
                  std::make_tuple(buttons[i].nID, buttons[i].nStyle, buttons[i].iImage, buttons[i].nID)) << i;
    }

    // Buttons are their 16 x 15 images and 7 pixels more.
    EXPECT_EQ(bar.m_sizeImage, CSize(16, 15));
    EXPECT_EQ(ItemRect(bar, 0).Size(), CSize(23, 22));
    EXPECT_EQ(ItemRect(bar, 2).Width(), 6);
    EXPECT_EQ(ItemRect(bar, 3).left, ItemRect(bar, 2).right);

    // The strip's light gray became the button face; its colours stay.
    BITMAP bm;
    ASSERT_TRUE(::GetObject(bar.m_hbmImageWell, sizeof(bm), &bm));
    EXPECT_EQ(CSize(bm.bmWidth, bm.bmHeight), CSize(64, 15));
    vt::MemoryCanvas canvas(1, 1);
    HDC hdc = ::CreateCompatibleDC(canvas);
    {
        vt::SelectGuard select(hdc, bar.m_hbmImageWell);
        EXPECT_EQ(::GetPixel(hdc, 0, 0), ::GetSysColor(COLOR_BTNFACE));
        EXPECT_EQ(::GetPixel(hdc, 5, 5), RGB(255, 0, 0));
    }
    ::DeleteDC(hdc);
}

// A fixed-size palette wrapped every third button floats as three columns.
TEST(ToolBar, PaletteFloatsInColumns)
{
    FrameHolder frame;
    CToolBar palette;
    ASSERT_TRUE(palette.CreateEx(frame.get(), TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_FIXED));
    ASSERT_TRUE(palette.LoadToolBar(IDR_PALETTE));
    for (int i = 0; i < 9; i++) {
        const UINT nStyle = palette.GetButtonStyle(i) & ~TBBS_WRAPPED;
        palette.SetButtonStyle(i, (i + 1) % 3 == 0 ? nStyle | TBBS_WRAPPED : nStyle);
    }
    palette.EnableDocking(0);
    frame->FloatControlBar(&palette, CPoint(300, 260));
    ASSERT_TRUE(palette.IsFloating());
    for (int i = 0; i < 9; i++)
        EXPECT_EQ(ItemRect(palette, i).TopLeft(), CPoint(ItemRect(palette, i % 3).left, ItemRect(palette, i / 3 * 3).top)) << i;
    EXPECT_EQ(ItemRect(palette, 3).top, ItemRect(palette, 0).bottom);
    CRect rectBar, rectFrame;
    palette.GetWindowRect(&rectBar);
    palette.GetDockingFrame()->GetClientRect(&rectFrame);
    EXPECT_EQ(rectFrame.Size(), rectBar.Size());
    EXPECT_GE(rectBar.Width(), ItemRect(palette, 2).right);
    EXPECT_LT(rectBar.Width(), ItemRect(palette, 2).right + ItemRect(palette, 0).Width());
}

TEST(ToolBar, ComboInASeparatorSlotTalksToTheFrame)
{
    FrameHolder frame;
    CToolBar& bar = frame->m_wndToolBar;
    const int cxBefore = frame->RectInClient(&bar).Width();
    bar.SetButtonInfo(2, ID_TEST_COMBO, TBBS_SEPARATOR, 120);
    CRect rect = ItemRect(bar, 2);
    rect.bottom = rect.top + 100;
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, rect, &bar, ID_TEST_COMBO));
    combo.AddString("one");
    combo.AddString("two");
    combo.SetCurSel(0);
    frame->RecalcLayout();
    EXPECT_EQ(frame->RectInClient(&bar).Width(), cxBefore + 120 - 6);
    bar.SetHeight(40);
    frame->RecalcLayout();
    EXPECT_EQ(frame->RectInClient(&bar).Height(), 40);

    // Its notifications reach the frame; idle updates leave it enabled; it
    // is the tool under the mouse over its slot.
    combo.SetFocus();
    vt::KeyPress(VK_DOWN);
    EXPECT_EQ(frame->m_nComboSelChanges, 1);
    vt::PumpPending();
    EXPECT_TRUE(combo.IsWindowEnabled());
    CRect rectCombo;
    combo.GetWindowRect(&rectCombo);
    bar.ScreenToClient(&rectCombo);
    EXPECT_EQ(bar.OnToolHitTest(rectCombo.CenterPoint(), NULL), ID_TEST_COMBO);
}
