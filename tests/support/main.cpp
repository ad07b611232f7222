// Entry point of every test executable: an MFC application object, common
// controls, then GoogleTest.
#include "support/harness.h"

#include <commctrl.h>

namespace {

// The application object every MFC program has; tests pump through it.
class CTestApp : public CWinApp
{
public:
    CTestApp() : CWinApp(_T("VeluCtrl tests")) {}
};

CTestApp theApp;

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), SW_SHOWNORMAL);
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    // Keep the cursor off the test windows until a test moves it.
    vt::ParkCursor();
    return RUN_ALL_TESTS();
}
