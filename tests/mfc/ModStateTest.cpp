// Module state: the resource chain through extension DLLs and their registration.
#include "support/harness.h"

#include <afxext.h>

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

// Loaded, the library joins the chain: its bitmap, string and
// dialog template are found, its classes stay its own; unloaded, it leaves the
// chain and a resource found nowhere falls back to the application.
TEST(ModuleState, ExtensionLibraryLendsItsResourcesWhileLoaded)
{
    HMODULE hFixture = ::LoadLibrary(FIXTURE_DLL_NAME);
    ASSERT_TRUE(hFixture != NULL);
    CDynLinkLibrary* pDLL = FindLibrary(hFixture);
    ASSERT_TRUE(pDLL != NULL);
    EXPECT_EQ(AfxFindResourceHandle(FIXTURE_STRIP_NAME, RT_BITMAP), (HINSTANCE)hFixture);
    {
        CBitmap bitmap;
        EXPECT_TRUE(bitmap.LoadBitmap(FIXTURE_STRIP_NAME));
        CString text;
        EXPECT_TRUE(text.LoadString(FIXTURE_STRING_ID));
        EXPECT_STREQ((LPCTSTR)text, FIXTURE_STRING_TEXT);
        // (Masked strips from a library: the combo box's arrow glyph, checked in
        // its suite; their image lists made and freed with each load:
        // LibraryLoad's leak walk.)
        vt::HostWnd host;
        CDialog dialog;
        ASSERT_TRUE(dialog.Create(FIXTURE_DIALOG_NAME, &host));
        EXPECT_TRUE(::GetDlgItem(dialog.m_hWnd, IDOK) != NULL && ::GetDlgItem(dialog.m_hWnd, 101) != NULL);
        dialog.DestroyWindow();
    }
    EXPECT_TRUE(ListHasClass(pDLL->m_classList, FIXTURE_SHAPE_CLASS));
    EXPECT_FALSE(ListHasClass(pDLL->m_classList, "CHostShape"));
    EXPECT_TRUE(ListHasClass(AfxGetModuleState()->m_classList, "CHostShape"));
    EXPECT_FALSE(ListHasClass(AfxGetModuleState()->m_classList, FIXTURE_SHAPE_CLASS));

    ::FreeLibrary(hFixture);
    EXPECT_TRUE(FindLibrary(hFixture) == NULL);
    EXPECT_EQ(::GetModuleHandle(NULL), AfxGetResourceHandle());
    EXPECT_EQ(AfxFindResourceHandle(FIXTURE_STRIP_NAME, RT_BITMAP), AfxGetResourceHandle());
}
