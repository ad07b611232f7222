// The entry point of applications linked for the wide C runtime (-municode).
// The layer is built for the narrow API, so the command line is handed on in
// the narrow code page.
#include <afxwin.h>

#include <stdlib.h>

extern "C" int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow)
{
    // The application keeps m_lpCmdLine for its whole life, so the copy does too.
    static char* s_pszCmdLine = NULL;
    int nBytes = ::WideCharToMultiByte(CP_ACP, 0, lpCmdLine, -1, NULL, 0, NULL, NULL);
    s_pszCmdLine = (char*)malloc(nBytes > 0 ? (size_t)nBytes : 1);
    if (s_pszCmdLine == NULL)
        return -1;
    s_pszCmdLine[0] = '\0';
    if (nBytes > 0)
        ::WideCharToMultiByte(CP_ACP, 0, lpCmdLine, -1, s_pszCmdLine, nBytes, NULL, NULL);
    return AfxWinMain(hInstance, hPrevInstance, s_pszCmdLine, nCmdShow);
}
