// CObject and CRuntimeClass: run-time type information and class registration.
#include "mfcimpl.h"

const CRuntimeClass CObject::classCObject = {
    "CObject", sizeof(CObject), 0xffff, NULL, NULL, NULL };

CObject::CObject() {}
CObject::~CObject() {}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return RUNTIME_CLASS(CObject);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != 0xffff;
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

void CObject::Serialize(CArchive&) {}
void CObject::AssertValid() const {}
void CObject::Dump(CDumpContext&) const {}

CObject* CRuntimeClass::CreateObject()
{
    if (m_pfnCreateObject == NULL)
        return NULL;
    return (*m_pfnCreateObject)();
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* pClassThis = this; pClassThis != NULL; pClassThis = pClassThis->m_pBaseClass) {
        if (pClassThis == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass)
{
    AfxGetModuleState()->m_classList.AddHead(pNewClass);
}

CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    if (pObject != NULL && pObject->IsKindOf(pClass))
        return pObject;
    return NULL;
}

BOOL CSimpleList::Remove(void* p)
{
    if (p == NULL)
        return FALSE;
    if (m_pHead == p) {
        m_pHead = *GetNextPtr(p);
        return TRUE;
    }
    for (void* pTest = m_pHead; pTest != NULL; pTest = *GetNextPtr(pTest)) {
        if (*GetNextPtr(pTest) == p) {
            *GetNextPtr(pTest) = *GetNextPtr(p);
            return TRUE;
        }
    }
    return FALSE;
}

BOOL AFXAPI AfxIsValidAddress(const void* lp, UINT, BOOL)
{
    return lp != NULL;
}

BOOL AFXAPI AfxIsValidString(LPCSTR lpsz, int)
{
    return lpsz != NULL;
}

// The library reports failure by results and never throws; these exist for
// source compatibility and end the process as an unhandled MFC exception would.
void AFXAPI AfxThrowMemoryException() { ::RaiseException(0xE06D7363, EXCEPTION_NONCONTINUABLE, 0, NULL); }
void AFXAPI AfxThrowNotSupportedException() { ::RaiseException(0xE06D7363, EXCEPTION_NONCONTINUABLE, 0, NULL); }
void AFXAPI AfxThrowResourceException() { ::RaiseException(0xE06D7363, EXCEPTION_NONCONTINUABLE, 0, NULL); }
void AFXAPI AfxThrowUserException() { ::RaiseException(0xE06D7363, EXCEPTION_NONCONTINUABLE, 0, NULL); }
