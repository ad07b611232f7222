// Host windows: top-level MFC parents at a known place on the screen.
#include "support/harness.h"

#include <algorithm>

namespace vt {

HostWnd::HostWnd(int clientWidth, int clientHeight, COLORREF background)
    : m_background(background), m_brush(::CreateSolidBrush(background))
{
    LPCTSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), m_brush);
    CRect rect(kHostOrigin.x, kHostOrigin.y,
               kHostOrigin.x + clientWidth, kHostOrigin.y + clientHeight);
    // WS_POPUP without a frame: the client area starts exactly at kHostOrigin.
    CreateEx(0, cls, _T("VeluCtrl test host"), WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
             rect.left, rect.top, rect.Width(), rect.Height(), NULL, NULL);
    Activate(m_hWnd);
    PumpPending();
}

HostWnd::~HostWnd()
{
    if (m_hWnd != NULL)
        DestroyWindow();
    ::DeleteObject(m_brush);
}

CPoint HostWnd::ToScreen(CPoint client) const
{
    ::ClientToScreen(m_hWnd, &client);
    return client;
}

int HostWnd::CountReceived(UINT message) const
{
    return int(std::count_if(m_received.begin(), m_received.end(), [&](const Msg& m) { return m.message == message; }));
}

LRESULT HostWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    m_received.push_back({message, wParam, lParam});
    return CWnd::WindowProc(message, wParam, lParam);
}

}  // namespace vt
