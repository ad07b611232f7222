// SharedResources.cpp - the module-wide drawing resources the controls paint with, and their lazy creation.
#include "frame/VeluFrame.h"

// Static objects, constructed in this order before the entry function runs
// and destroyed in reverse after its detach work. The fonts and the image
// lists stay empty until the attach work or their first user fills them.
CBrush     g_brushReadOnly(kReadOnlyBackground);
CFont      g_fontShared9;
CFont      g_fontShared10;
CImageList g_imlButtonList;
CImageList g_imlCtrlBar;
CBrush     g_brushToolBar(kBarBackground);

// The handle holders start null (static storage) until the entry function
// or the first user of a lazy skin fills them.
extern "C" {
HINSTANCE g_hVeluInstance;
HCURSOR   g_hCursorHand;
HBRUSH    g_hBrushFocus;
HBITMAP   g_hSkinBtnDefault, g_hSkinBtnNormal, g_hSkinBtnDisabled, g_hSkinBtnHot, g_hSkinBtnDown, g_hSkinCheck;
HBITMAP   g_hSkinBalloon, g_hSkinToolTip, g_hSkinDialog, g_hSkinProgress;

HBITMAP VeluLoadSharedSkin(HBITMAP* phHolder, LPCSTR pszName)
{
    if (*phHolder != NULL)
        return *phHolder;
    LPBYTE pImage = LoadBinaryResourceName(g_hVeluInstance, pszName, NULL);
    if (pImage != NULL)
    {
        *phHolder = VELULoadMemBmp(pImage, NULL, NULL);
        FreeBinaryResource(pImage);
    }
    return *phHolder;
}
}

namespace
{
// Both lists are made at most once: a strip that failed to load stays failed.
BOOL CreateGlyphListOnce(CImageList& list, BOOL& bTried, LPCSTR pszStrip, int cx)
{
    if (!bTried)
    {
        bTried = TRUE;
        list.Create(pszStrip, cx, 1, kGlyphMask);
    }
    return list.GetSafeHandle() != NULL;
}

BOOL s_bCtrlBarListTried = FALSE;
BOOL s_bButtonListTried = FALSE;
}

extern "C" BOOL VeluCreateCtrlBarImageList()
{
    return CreateGlyphListOnce(g_imlCtrlBar, s_bCtrlBarListTried, VELU_BMP_CTRLBAR, kCtrlBarGlyphSize);
}

extern "C" BOOL VeluCreateButtonListImageList()
{
    return CreateGlyphListOnce(g_imlButtonList, s_bButtonListTried, VELU_BMP_BTNLSITM, kButtonListGlyphSize);
}
