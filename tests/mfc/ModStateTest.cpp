// Module state: the resource chain through extension DLLs and their registration.
#include "support/harness.h"

#include <afxext.h>
#include <afxcmn.h>
#include <afxx_test.h>

#include "ExtFixture.h"

// A serializable class of the test program itself: the host's class list.
class CHostShape : public CObject
{
    DECLARE_SERIAL(CHostShape)
public:
    CHostShape() {}
};

IMPLEMENT_SERIAL(CHostShape, CObject, 1)

namespace {

bool ListHasClass(CRuntimeClass* pHead, const char* name)
{
    for (CRuntimeClass* pClass = pHead; pClass != NULL; pClass = pClass->m_pNextClass) {
        if (strcmp(pClass->m_lpszClassName, name) == 0)
            return true;
    }
    return false;
}

CDynLinkLibrary* FindLibrary(HMODULE hModule)
{
    for (CDynLinkLibrary* pDLL = AfxGetModuleState()->m_libraryList; pDLL != NULL; pDLL = pDLL->m_pNextDLL) {
        if (pDLL->m_hModule == hModule)
            return pDLL;
    }
    return NULL;
}

}  // namespace

TEST(ModuleState, ApplicationHandlesAreTheProgramsOwn)
{
    HINSTANCE hExe = ::GetModuleHandle(NULL);
    EXPECT_EQ(AfxGetInstanceHandle(), hExe);
    EXPECT_EQ(AfxGetResourceHandle(), hExe);
    EXPECT_EQ(AfxGetModuleState()->m_hCurrentInstanceHandle, hExe);
    EXPECT_TRUE(AfxGetApp() != NULL);
    EXPECT_EQ(AfxGetThread(), AfxGetApp());
}

// Loaded, the library joins the chain: its bitmap, image list, string and
// dialog template are found, its classes stay its own; unloaded, it leaves the
// chain and a resource found nowhere falls back to the application.
TEST(ModuleState, ExtensionLibraryLendsItsResourcesWhileLoaded)
{
    HMODULE hFixture = ::LoadLibrary(FIXTURE_DLL_NAME);
    ASSERT_TRUE(hFixture != NULL);
    CDynLinkLibrary* pDLL = FindLibrary(hFixture);
    ASSERT_TRUE(pDLL != NULL);
    EXPECT_EQ(pDLL->m_hResource, hFixture);
    EXPECT_FALSE(pDLL->m_bSystem);
    EXPECT_EQ(AfxFindResourceHandle(FIXTURE_STRIP_NAME, RT_BITMAP), (HINSTANCE)hFixture);
    {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(FIXTURE_STRIP_NAME));
        BITMAP bm;
        ASSERT_TRUE(bitmap.GetBitmap(&bm));
        EXPECT_EQ(bm.bmWidth, FIXTURE_STRIP_WIDTH);
        EXPECT_EQ(bm.bmHeight, FIXTURE_STRIP_HEIGHT);
        CString text;
        EXPECT_TRUE(text.LoadString(FIXTURE_STRING_ID));
        EXPECT_STREQ((LPCTSTR)text, FIXTURE_STRING_TEXT);

        // The green border is masked out.
        CImageList images;
        ASSERT_TRUE(images.Create(FIXTURE_STRIP_NAME, FIXTURE_STRIP_HEIGHT, 0, RGB(0, 255, 0)));
        EXPECT_EQ(images.GetImageCount(), FIXTURE_STRIP_WIDTH / FIXTURE_STRIP_HEIGHT);
        vt::MemoryCanvas canvas(FIXTURE_STRIP_HEIGHT, FIXTURE_STRIP_HEIGHT, RGB(255, 255, 255));
        ASSERT_TRUE(images.Draw(CDC::FromHandle(canvas.dc()), 0, CPoint(0, 0), ILD_TRANSPARENT));
        EXPECT_EQ(canvas.At(0, 0), RGB(255, 255, 255));
        EXPECT_EQ(canvas.At(6, 6), RGB(255, 0, 0));

        vt::HostWnd host;
        CDialog dialog;
        ASSERT_TRUE(dialog.Create(FIXTURE_DIALOG_NAME, &host));
        EXPECT_TRUE(::GetDlgItem(dialog.m_hWnd, IDOK) != NULL);
        EXPECT_TRUE(::GetDlgItem(dialog.m_hWnd, 101) != NULL);
        dialog.DestroyWindow();
    }
    EXPECT_TRUE(ListHasClass(pDLL->m_classList, FIXTURE_SHAPE_CLASS));
    EXPECT_FALSE(ListHasClass(pDLL->m_classList, "CHostShape"));
    EXPECT_TRUE(ListHasClass(AfxGetModuleState()->m_classList, "CHostShape"));
    EXPECT_FALSE(ListHasClass(AfxGetModuleState()->m_classList, FIXTURE_SHAPE_CLASS));
    EXPECT_TRUE(vt::LeavesNothingBehind([] {
        CImageList images;
        images.Create(FIXTURE_STRIP_NAME, FIXTURE_STRIP_HEIGHT, 0, RGB(0, 255, 0));
        ::DestroyIcon(images.ExtractIcon(1));
    }, 30));

    ::FreeLibrary(hFixture);
    EXPECT_TRUE(FindLibrary(hFixture) == NULL);
    EXPECT_EQ(AfxFindResourceHandle(FIXTURE_STRIP_NAME, RT_BITMAP), AfxGetResourceHandle());
    CBitmap bitmap;
    EXPECT_FALSE(bitmap.LoadBitmap(FIXTURE_STRIP_NAME));
}

TEST(ModuleState, RefusedRegistrationFailsTheLoadAndKeepsHostClasses)
{
    mfcx::FailExtensionInit(TRUE);
    HMODULE hFixture = ::LoadLibrary(FIXTURE_DLL_NAME);
    mfcx::FailExtensionInit(FALSE);
    EXPECT_TRUE(hFixture == NULL);
    if (hFixture != NULL)
        ::FreeLibrary(hFixture);
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    EXPECT_TRUE(ListHasClass(pState->m_classList, "CHostShape"));
    EXPECT_FALSE(ListHasClass(pState->m_classList, FIXTURE_SHAPE_CLASS));
    EXPECT_EQ(AfxFindResourceHandle(FIXTURE_STRIP_NAME, RT_BITMAP), AfxGetResourceHandle());
}

TEST(ModuleState, TermWithAllRemovesEveryLibrary)
{
    AFX_EXTENSION_MODULE first = {0, NULL, NULL, NULL, NULL};
    AFX_EXTENSION_MODULE second = {0, NULL, NULL, NULL, NULL};
    // Two records standing for two DLLs (the program itself and kernel32).
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    pState->m_pClassInit = pState->m_classList;
    pState->m_classList.m_pHead = NULL;
    ASSERT_TRUE(AfxInitExtensionModule(first, ::GetModuleHandle(NULL)));
    pState->m_pClassInit = pState->m_classList;
    pState->m_classList.m_pHead = NULL;
    ASSERT_TRUE(AfxInitExtensionModule(second, ::GetModuleHandle("kernel32.dll")));
    new CDynLinkLibrary(first);
    new CDynLinkLibrary(second, TRUE);
    ASSERT_TRUE(FindLibrary(first.hModule) != NULL);
    ASSERT_TRUE(FindLibrary(second.hModule) != NULL);
    EXPECT_TRUE(ListHasClass(pState->m_classList, "CHostShape"));

    AfxTermExtensionModule(second);
    EXPECT_TRUE(FindLibrary(second.hModule) == NULL);
    EXPECT_TRUE(FindLibrary(first.hModule) != NULL);
    EXPECT_FALSE(second.bInitialized);

    new CDynLinkLibrary(second, TRUE);
    second.bInitialized = TRUE;
    AfxTermExtensionModule(first, TRUE);
    EXPECT_TRUE(FindLibrary(first.hModule) == NULL);
    EXPECT_TRUE(FindLibrary(second.hModule) == NULL);
}
