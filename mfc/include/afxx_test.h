// Helpers of this MFC layer for tests; not MFC API, never used by the library.
#pragma once

#include "afxwin.h"

namespace mfcx {

// While set, AfxInitExtensionModule fails (returns FALSE) without touching
// the module record, so a DLL's refusal to load can be exercised.
AFX_CORE_API void AFXAPI FailExtensionInit(BOOL bFail);

// Offers msg to the pre-translate walk as the running thread would (the
// thread object's PreTranslateMessage, or the walk up from msg.hwnd when
// there is no thread object); returns TRUE when something consumed it.
AFX_CORE_API BOOL AFXAPI PreTranslate(MSG* pMsg);

// One round of idle processing: frees the temporary objects.
AFX_CORE_API void AFXAPI RunIdle();

}  // namespace mfcx
