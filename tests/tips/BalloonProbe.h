// Probes of the balloon tips' state, and the host they are tested over.
#pragma once

#include <string>

#include "support/harness.h"
#include "tips/VeluTips.h"

namespace tips_test {

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

    CRect WindowRect() const
    {
        CRect rc;
        ::GetWindowRect(this->m_hWnd, &rc);
        return rc;
    }
    bool Visible() const { return ::IsWindowVisible(this->m_hWnd) != FALSE; }
    void Fire(UINT id) { this->SendMessage(WM_TIMER, id, 0); }
};

typedef BalloonProbe<CBalloonTip> ProbeBalloon;
typedef BalloonProbe<CBitmapBalloonTip> ProbeBitmapBalloon;

// Size of text drawn in the balloon's default font, measured in this run.
inline CSize BalloonTextSize(const char* text)
{
    vt::WindowDC dc(nullptr);
    vt::SelectGuard font(dc, g_fontShared10.GetSafeHandle());
    RECT rc = {0, 0, 0, 0};
    ::DrawTextA(dc, text, -1, &rc, DT_CALCRECT);
    return CSize(rc.right - rc.left, rc.bottom - rc.top);
}

} // namespace tips_test
