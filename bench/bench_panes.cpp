// bench_panes.cpp: the skinned dialog's background erase against a plain dialog's and
// against the floor of its prescribed calls, and a dialog of 100 skinned controls
// against the same dialog of standard ones.
#include <afxwin.h>

#include <memory>
#include <vector>

#include "bench.h"
#include "bench_support.h"
#include "buttons/VeluButtons.h"
#include "edits/VeluEdits.h"
#include "panes/VeluPanes.h"
#include "skin/VeluSkin.h"
#include "support/harness.h"

namespace
{

const UINT kButton = 0x0080, kEdit = 0x0081;

void Place(CWnd& dialog, int cx, int cy)
{
	dialog.SetWindowPos(NULL, 0, 60, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void RepaintAll(HWND hWnd, UINT nChildren)
{
	::RedrawWindow(hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | nChildren);
}

// A plain dialog whose erase makes, raw, the calls the skinned dialog's
// erase is prescribed to make: memory DC and bitmap of the client's size,
// the skin over it, mappings reset, one blit, everything let go.
class FloorDialog : public CDialog
{
protected:
	LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
	{
		if (message != WM_ERASEBKGND)
			return CDialog::WindowProc(message, wParam, lParam);
		static const int kSquare[kDlgSkinCornerSize] = {0};
		const HDC hDC = (HDC)wParam;
		RECT rc;
		::GetClientRect(m_hWnd, &rc);
		HDC hMemDC = ::CreateCompatibleDC(hDC);
		HBITMAP hBitmap = ::CreateCompatibleBitmap(hDC, rc.right, rc.bottom);
		HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
		bench::NineGridFloor(hMemDC, rc, g_hSkinDialog, kSquare, kDlgSkinCornerSize);
		for (HDC h : {hMemDC, hDC})
		{
			::SetViewportOrgEx(h, 0, 0, NULL);
			::SetWindowOrgEx(h, 0, 0, NULL);
			::SetMapMode(h, MM_TEXT);
		}
		::BitBlt(hDC, 0, 0, rc.right, rc.bottom, hMemDC, 0, 0, SRCCOPY);
		::SelectObject(hMemDC, hOld);
		::DeleteObject(hBitmap);
		::DeleteDC(hMemDC);
		return TRUE;
	}
};

class DialogEraseCase : public bench::Case
{
public:
	bool SetUp() override
	{
		const vt::DialogTemplate t(WS_POPUP | WS_VISIBLE);
		if (!m_skinned.CreateIndirect(t.Get(), NULL) || !m_plain.CreateIndirect(t.Get(), NULL) ||
			!m_floor.CreateIndirect(t.Get(), NULL) || g_hSkinDialog == NULL)
			return false;
		for (CWnd* p : {(CWnd*)&m_skinned, (CWnd*)&m_plain, (CWnd*)&m_floor})
			Place(*p, 400, 300);
		return true;
	}
	void TearDown() override
	{
		for (CWnd* p : {(CWnd*)&m_skinned, (CWnd*)&m_plain, (CWnd*)&m_floor})
			if (p->m_hWnd != NULL)
				p->DestroyWindow();
	}
	void RunSubject() override { RepaintAll(m_skinned.m_hWnd, RDW_NOCHILDREN); }
	void RunBaseline() override { RepaintAll(m_plain.m_hWnd, RDW_NOCHILDREN); }
	bool HasFloor() const override { return true; }
	void RunFloor() override { RepaintAll(m_floor.m_hWnd, RDW_NOCHILDREN); }
	const char* BaselineName() const override { return "plain dialog erase"; }
	const char* Note() const override { return "400 x 300, background only"; }
	int GdiObjectsPerInstance() override
	{
		return bench::GdiObjectsPerInstance([] {
			const vt::DialogTemplate t(WS_POPUP | WS_VISIBLE);
			CCoolDialog* p = new CCoolDialog;
			p->CreateIndirect(t.Get(), NULL);
			return [p] { p->DestroyWindow(); delete p; };
		});
	}

private:
	CCoolDialog m_skinned;
	CDialog m_plain;
	FloorDialog m_floor;
};

// 100 controls in a 10 x 10 grid, a quarter each of push buttons, check
// boxes, edits and help buttons: skinned in a skinned dialog, standard in a plain one.
class HundredControlsCase : public bench::Case
{
public:
	bool SetUp() override
	{
		vt::DialogTemplate skinned(WS_POPUP | WS_VISIBLE), plain(WS_POPUP | WS_VISIBLE);
		for (UINT i = 0; i < kCount; i++)
		{
			const bool bEdit = i % 4 == 1 || i % 4 == 2;
			skinned.AddItem(kFirstId + i, bEdit ? kEdit : kButton, WS_TABSTOP, "Item");
			plain.AddItem(kFirstId + i, i % 4 == 2 ? kEdit : kButton,
				WS_TABSTOP | (i % 4 == 1 ? BS_CHECKBOX : 0), "Item");
		}
		if (!m_skinned.CreateIndirect(skinned.Get(), NULL) || !m_plain.CreateIndirect(plain.Get(), NULL))
			return false;
		for (UINT i = 0; i < kCount; i++)
		{
			CWnd* p = i % 4 == 0 ? (CWnd*)new CCoolButton : i % 4 == 1 ? (CWnd*)new CCoolCheckBox
				: i % 4 == 2 ? (CWnd*)new CCoolEdit : (CWnd*)new CCoolHelpButton;
			m_controls.emplace_back(p);
			if (!p->SubclassDlgItem(kFirstId + i, &m_skinned))
				return false;
		}
		for (CDialog* d : {(CDialog*)&m_skinned, &m_plain})
		{
			Place(*d, 800, 600);
			for (UINT i = 0; i < kCount; i++)
				d->GetDlgItem(kFirstId + i)->MoveWindow(4 + 79 * (i % 10), 4 + 59 * (i / 10), 75, 24);
		}
		return true;
	}
	void TearDown() override
	{
		for (CDialog* d : {(CDialog*)&m_skinned, &m_plain})
			if (d->m_hWnd != NULL)
				d->DestroyWindow();
	}
	void RunSubject() override { RepaintAll(m_skinned.m_hWnd, RDW_ALLCHILDREN); }
	void RunBaseline() override { RepaintAll(m_plain.m_hWnd, RDW_ALLCHILDREN); }
	const char* BaselineName() const override { return "the same of standard controls"; }
	const char* Note() const override
	{
		return "800 x 600 dialog, background and every control repainted";
	}

private:
	static const UINT kCount = 100;
	static const UINT kFirstId = 1000;
	CCoolDialog m_skinned;
	CDialog m_plain;
	std::vector<std::unique_ptr<CWnd>> m_controls;
};

} // namespace

BENCH_CASE(DialogEraseCase, "panes/dialog erase 400x300");
BENCH_CASE(HundredControlsCase, "panes/dialog of 100 controls");
