// The application's entry point.  It lives in the static part of the layer
// that is linked into every application, never in mfc42x.dll: an executable
// must define WinMain itself, and an application that writes its own keeps it,
// because the linker takes this one only while WinMain is still missing.
#include <afxwin.h>

extern "C" int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
