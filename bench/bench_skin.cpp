// bench_skin.cpp: the nine-grid skin painter against one plain StretchBlt of the same destination
// and against the floor of its own prescribed calls.
#include <afxwin.h>

#include <string>

#include "bench.h"
#include "bench_support.h"
#include "frame/VeluFrame.h"
#include "skin/VeluSkin.h"

namespace
{

SIZE MakeSize(int cx, int cy)
{
	SIZE size = { cx, cy };
	return size;
}

// Paints a shared skin into a destination the size of a control, as the
// controls do into their off-screen bitmaps. Should the library's skin not
// be available, a generated bitmap of the same size stands in and the note says so.
class NineGridCase : public bench::Case
{
public:
	NineGridCase(HBITMAP* phHolder, const char* pszSkin, SIZE sizeSkin, SIZE sizeDest,
		const int* pInsets, int nCornerSize)
		: m_phHolder(phHolder), m_pszSkin(pszSkin), m_sizeSkin(sizeSkin), m_sizeDest(sizeDest),
		  m_pInsets(pInsets), m_nCornerSize(nCornerSize),
		  m_hDC(NULL), m_hDest(NULL), m_hOldDest(NULL), m_hSkinDC(NULL), m_hOldSkin(NULL),
		  m_hSkin(NULL), m_hOwnSkin(NULL), m_hBaselineSkin(NULL)
	{
	}

	bool SetUp() override
	{
		m_hSkin = VeluLoadSharedSkin(m_phHolder, m_pszSkin);
		if (m_hSkin == NULL)
		{
			m_hOwnSkin = MakeStandIn();
			m_hSkin = m_hOwnSkin;
			m_strNote = std::string("skin ") + m_pszSkin + " unavailable; a generated bitmap of its size stood in";
		}
		BITMAP bm;
		if (m_hSkin != NULL && ::GetObject(m_hSkin, sizeof(bm), &bm) == sizeof(bm))
			m_sizeSkin = MakeSize(bm.bmWidth, bm.bmHeight);
		// Where selecting a device-dependent bitmap into a DC is costly (Wine),
		// it dominates a small paint; say which kind was timed.
		DIBSECTION ds;
		if (m_hOwnSkin == NULL)
			m_strNote = (::GetObject(m_hSkin, sizeof(ds), &ds) == sizeof(ds))
				? "the library's skin, a DIB section" : "the library's skin, a device-dependent bitmap";
		m_hDC = ::CreateCompatibleDC(NULL);
		m_hDest = MakeDib(m_sizeDest.cx, m_sizeDest.cy);
		m_hSkinDC = ::CreateCompatibleDC(NULL);
		m_hBaselineSkin = CopyOfSkin();
		if (m_hSkin == NULL || m_hDC == NULL || m_hDest == NULL || m_hSkinDC == NULL || m_hBaselineSkin == NULL)
		{
			m_strNote = "could not make the drawing surfaces";
			return false;
		}
		m_hOldDest = ::SelectObject(m_hDC, m_hDest);
		m_hOldSkin = ::SelectObject(m_hSkinDC, m_hBaselineSkin);
		// The painter keeps the destination's stretch mode; controls draw with this one.
		::SetStretchBltMode(m_hDC, COLORONCOLOR);
		return PainterDraws();
	}

	void TearDown() override
	{
		if (m_hOldSkin != NULL)
			::SelectObject(m_hSkinDC, m_hOldSkin);
		if (m_hOldDest != NULL)
			::SelectObject(m_hDC, m_hOldDest);
		if (m_hSkinDC != NULL)
			::DeleteDC(m_hSkinDC);
		if (m_hDC != NULL)
			::DeleteDC(m_hDC);
		if (m_hDest != NULL)
			::DeleteObject(m_hDest);
		if (m_hBaselineSkin != NULL)
			::DeleteObject(m_hBaselineSkin);
		if (m_hOwnSkin != NULL)
			::DeleteObject(m_hOwnSkin);
	}

	// The painter is made, used and dropped per paint, as every control does.
	void RunSubject() override
	{
		RECT rc = { 0, 0, m_sizeDest.cx, m_sizeDest.cy };
		CRoundBitmap painter;
		painter.ShowMe(m_hDC, &rc, m_hSkin, m_pInsets, m_nCornerSize);
	}

	// The baseline keeps a copy of the skin selected, the cheapest way to
	// cover the same area. (A bitmap is selected into one DC at a time, so
	// the painter could not select the skin itself while the baseline held it.)
	void RunBaseline() override
	{
		::StretchBlt(m_hDC, 0, 0, m_sizeDest.cx, m_sizeDest.cy,
			m_hSkinDC, 0, 0, m_sizeSkin.cx, m_sizeSkin.cy, SRCCOPY);
	}

	// The same calls the painter is prescribed to make, raw, on the shared skin.
	bool HasFloor() const override { return true; }
	void RunFloor() override
	{
		RECT rc = { 0, 0, m_sizeDest.cx, m_sizeDest.cy };
		bench::NineGridFloor(m_hDC, rc, m_hSkin, m_pInsets, m_nCornerSize);
	}

	const char* BaselineName() const override { return "one StretchBlt, same area"; }
	const char* Note() const override { return m_strNote.c_str(); }

private:
	NineGridCase(const NineGridCase&);
	NineGridCase& operator=(const NineGridCase&);

	static HBITMAP MakeDib(int cx, int cy, void** ppBits = NULL)
	{
		BITMAPINFO bmi = {};
		bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
		bmi.bmiHeader.biWidth = cx;
		bmi.bmiHeader.biHeight = -cy;
		bmi.bmiHeader.biPlanes = 1;
		bmi.bmiHeader.biBitCount = 32;
		bmi.bmiHeader.biCompression = BI_RGB;
		void* pBits = NULL;
		HBITMAP hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
		if (ppBits != NULL)
			*ppBits = pBits;
		return hBitmap;
	}

	// Timing a painter that draws nothing would flatter it: check it covers the centre.
	bool PainterDraws()
	{
		const COLORREF crMarker = RGB(1, 254, 3);
		const int x = m_sizeDest.cx / 2;
		const int y = m_sizeDest.cy / 2;
		::SetPixel(m_hDC, x, y, crMarker);
		RunSubject();
		if (::GetPixel(m_hDC, x, y) != crMarker)
			return true;
		m_strNote = "the painter left the destination's centre unpainted";
		return false;
	}

	// A screen-compatible copy, as the library's own skins are.
	HBITMAP CopyOfSkin() const
	{
		HDC hScreen = ::GetDC(NULL);
		HBITMAP hCopy = ::CreateCompatibleBitmap(hScreen, m_sizeSkin.cx, m_sizeSkin.cy);
		::ReleaseDC(NULL, hScreen);
		if (hCopy == NULL)
			return NULL;
		HDC hFrom = ::CreateCompatibleDC(NULL);
		HDC hTo = ::CreateCompatibleDC(NULL);
		HGDIOBJ hOldFrom = ::SelectObject(hFrom, m_hSkin);
		HGDIOBJ hOldTo = ::SelectObject(hTo, hCopy);
		::BitBlt(hTo, 0, 0, m_sizeSkin.cx, m_sizeSkin.cy, hFrom, 0, 0, SRCCOPY);
		::SelectObject(hTo, hOldTo);
		::SelectObject(hFrom, hOldFrom);
		::DeleteDC(hTo);
		::DeleteDC(hFrom);
		return hCopy;
	}

	HBITMAP MakeStandIn() const
	{
		void* pBits = NULL;
		HBITMAP hBitmap = MakeDib(m_sizeSkin.cx, m_sizeSkin.cy, &pBits);
		if (hBitmap != NULL)
		{
			DWORD* p = static_cast<DWORD*>(pBits);
			for (int i = 0; i < m_sizeSkin.cx * m_sizeSkin.cy; i++)
				p[i] = 0x00E8EDFA ^ (DWORD)(i * 2654435761u >> 24);
		}
		return hBitmap;
	}

	HBITMAP* m_phHolder;
	const char* m_pszSkin;
	SIZE m_sizeSkin;      // the stand-in's size until SetUp reads the real skin's
	SIZE m_sizeDest;
	const int* m_pInsets;
	int m_nCornerSize;

	HDC m_hDC;
	HBITMAP m_hDest;
	HGDIOBJ m_hOldDest;
	HDC m_hSkinDC;
	HGDIOBJ m_hOldSkin;
	HBITMAP m_hSkin;      // shared, or m_hOwnSkin
	HBITMAP m_hOwnSkin;
	HBITMAP m_hBaselineSkin;
	std::string m_strNote;
};

// A push button: the normal button skin, corner 4, standard insets.
class ButtonSkinCase : public NineGridCase
{
public:
	ButtonSkinCase()
		: NineGridCase(&g_hSkinBtnNormal, VELU_XZP_BTNNORM, MakeSize(42, 20), MakeSize(100, 30),
			g_nStdCornerInsets, kStdCornerSize)
	{
	}
};

// A dialog background: the dialog skin, corner 24, square corners.
const int kDialogCornerSize = 24;
const int kSquareInsets[kDialogCornerSize] = { 0 };

class DialogSkinCase : public NineGridCase
{
public:
	DialogSkinCase()
		: NineGridCase(&g_hSkinDialog, VELU_XZP_DIALOG, MakeSize(125, 90),
			MakeSize(800, 600), kSquareInsets, kDialogCornerSize)
	{
	}
};

} // namespace

BENCH_CASE(ButtonSkinCase, "skin/nine-grid button 100x30");
BENCH_CASE(DialogSkinCase, "skin/nine-grid dialog 800x600");
