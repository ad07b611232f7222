// Probes of the balloon tips' state and the fixture they are tested in.
#pragma once

#include <string>

#include "support/harness.h"
#include "tips/VeluTips.h"

namespace tips_test {

const COLORREF kBalloonFill = RGB(255, 255, 225);
const COLORREF kBalloonFrame = RGB(0, 0, 160);
const COLORREF kBalloonInk = RGB(160, 0, 0);
const COLORREF kUnpainted = RGB(255, 0, 255);

// Shows a tip at once and paints it over kUnpainted, which stays wherever the tip paints nothing.
inline vt::Capture PaintOverBackdrop(CWnd& tip)
{
    tip.SendMessage(WM_TIMER, kBaseTipDelayTimerId, 0);
    vt::GdiObject brush(::CreateSolidBrush(kUnpainted));
    CRect rc;
    tip.GetClientRect(&rc);
    ::FillRect(vt::WindowDC(tip.m_hWnd), &rc, brush.brush());
    tip.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    return vt::Capture::FromWindow(tip.m_hWnd);
}

// Reads the state a balloon keeps that no public accessor shows.
template <class Balloon>
class BalloonProbe : public Balloon
{
public:
    UINT RunningTimer() const { return this->m_nTimerId; }
    std::string Text() const { return this->m_szText; }
    CRect Box() const { return this->m_rcBox; }
    CRect ShadowBox() const { return this->m_rcShadowBox; }
    CPoint Tail(int i) const { return this->m_ptTail[i]; }
    CPoint ShadowTail(int i) const { return this->m_ptShadowTail[i]; }
    COLORREF Fill() const { return this->m_crFill; }
    COLORREF Frame() const { return this->m_crFrame; }
    CRect WindowRect() const { CRect rc; ::GetWindowRect(this->m_hWnd, &rc); return rc; }
    bool Visible() const { return ::IsWindowVisible(this->m_hWnd) != FALSE; }
    void Fire(UINT id) { this->SendMessage(WM_TIMER, id, 0); }
};

typedef BalloonProbe<CBalloonTip> ProbeBalloon;
typedef BalloonProbe<CBitmapBalloonTip> ProbeBitmapBalloon;

// A plain balloon over an active host window.
class BalloonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        vt::ParkCursor();
        ASSERT_TRUE(m_tip.Create());
        vt::Activate(m_host.m_hWnd);
    }
    void TearDown() override { m_tip.HideMe(); vt::ParkCursor(); }
    void Show(const char* text, int showTime, CPoint anchor, int tail = 12, int direction = 0)
    {
        m_tip.ShowMe(anchor.x, anchor.y, text, tail, direction, kBalloonFill, kBalloonFrame, kBalloonInk, showTime);
    }

    vt::HostWnd m_host{320, 240};
    ProbeBalloon m_tip;
};

} // namespace tips_test
