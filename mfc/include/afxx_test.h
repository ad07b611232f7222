// Helpers of this MFC layer for tests; not MFC API, never used by the library.
#pragma once

#include "afxwin.h"

namespace mfcx {

// While set, AfxInitExtensionModule fails (returns FALSE) without touching
// the module record, so a DLL's refusal to load can be exercised.
AFX_CORE_API void AFXAPI FailExtensionInit(BOOL bFail);

}  // namespace mfcx
