// CoolToolTipTools.cpp - CCoolToolTip's tool slots and their text and callback records.
#include "tips/VeluTips.h"

#include <stdlib.h>
#include <string.h>

// A record is one packed heap block:
//   text:     kind 0, the text, its NUL                     (length + 2 bytes)
//   callback: kind 1, the callback pointer, the data length as an unsigned
//             16-bit value, the data bytes                  (1 + pointer + 2 + length)
// The callback pointer is stored at its native width, so on a 64-bit build
// the block is 4 bytes longer than the 32-bit 7 + length.
namespace
{
const size_t kRecordProcOffset   = 1;
const size_t kRecordLengthOffset = kRecordProcOffset + sizeof(VELUTOOLTEXTPROC);
const size_t kRecordDataOffset   = kRecordLengthOffset + sizeof(WORD);

BYTE* NewTextRecord(const char* pszText)
{
    const size_t nLength = strlen(pszText);
    BYTE* pRecord = static_cast<BYTE*>(malloc(nLength + 2));
    pRecord[0] = kToolRecordText;
    memcpy(pRecord + 1, pszText, nLength + 1);
    return pRecord;
}

BYTE* NewCallbackRecord(VELUTOOLTEXTPROC pfnText, const unsigned char* pData, int nDataLength)
{
    const WORD nRecorded = (pData != NULL && nDataLength > 0) ? static_cast<WORD>(nDataLength) : 0;
    BYTE* pRecord = static_cast<BYTE*>(malloc(kRecordDataOffset + nRecorded));
    pRecord[0] = kToolRecordCallback;
    memcpy(pRecord + kRecordProcOffset, &pfnText, sizeof(pfnText));
    memcpy(pRecord + kRecordLengthOffset, &nRecorded, sizeof(nRecorded));
    if (nRecorded != 0)
        memcpy(pRecord + kRecordDataOffset, pData, nRecorded);
    return pRecord;
}
}

BOOL CCoolToolTip::AddTool(HWND hTool, const char* pszText)
{
    if (hTool == NULL)
        return FALSE;
    const int nSlot = AllocToolSlot(hTool);
    if (pszText != NULL && pszText[0] != '\0')
        m_ppToolRecords[nSlot] = NewTextRecord(pszText);
    return TRUE;
}

BOOL CCoolToolTip::AddTool(HWND hTool, VELUTOOLTEXTPROC pfnText, unsigned char* pData,
                           int nDataLength)
{
    if (hTool == NULL)
        return FALSE;
    const int nSlot = AllocToolSlot(hTool);
    if (pfnText != NULL)
        m_ppToolRecords[nSlot] = NewCallbackRecord(pfnText, pData, nDataLength);
    return TRUE;
}

BOOL CCoolToolTip::DelTool(HWND hTool)
{
    const int nSlot = FindToolSlot(hTool);
    if (nSlot < 0)
        return FALSE;
    FreeToolSlot(nSlot);
    return TRUE;
}

BOOL CCoolToolTip::IsTool(HWND hTool, void** ppRecord)
{
    if (ppRecord != NULL)
        *ppRecord = NULL;
    const int nSlot = FindToolSlot(hTool);
    if (nSlot < 0)
        return FALSE;
    if (ppRecord != NULL)
        *ppRecord = m_ppToolRecords[nSlot];
    return TRUE;
}

// The slots and the capacity stay: a manager that once served many tools keeps room for them.
void CCoolToolTip::Clear()
{
    for (int i = 0; i < m_nToolCapacity; i++)
    {
        if (m_phToolWnds[i] != NULL)
            FreeToolSlot(i);
    }
}

// Lowest free slot, growing both arrays by kToolTipSlotGrowth when none is free.
// A window already registered gets a second slot.
int CCoolToolTip::AllocToolSlot(HWND hTool)
{
    int nSlot = FindFreeToolSlot();
    if (nSlot < 0)
    {
        const int nNewCapacity = m_nToolCapacity + kToolTipSlotGrowth;
        HWND* phWnds = static_cast<HWND*>(calloc(nNewCapacity, sizeof(HWND)));
        BYTE** ppRecords = static_cast<BYTE**>(calloc(nNewCapacity, sizeof(BYTE*)));
        if (m_nToolCapacity > 0)
        {
            memcpy(phWnds, m_phToolWnds, m_nToolCapacity * sizeof(HWND));
            memcpy(ppRecords, m_ppToolRecords, m_nToolCapacity * sizeof(BYTE*));
        }
        free(m_phToolWnds);
        free(m_ppToolRecords);
        m_phToolWnds = phWnds;
        m_ppToolRecords = ppRecords;
        nSlot = m_nToolCapacity;
        m_nToolCapacity = nNewCapacity;
    }
    m_phToolWnds[nSlot] = hTool;
    return nSlot;
}

// First slot holding hTool, -1 when none; a NULL window is never found.
int CCoolToolTip::FindToolSlot(HWND hTool) const
{
    if (hTool == NULL)
        return -1;
    for (int i = 0; i < m_nToolCapacity; i++)
    {
        if (m_phToolWnds[i] == hTool)
            return i;
    }
    return -1;
}

int CCoolToolTip::FindFreeToolSlot() const
{
    for (int i = 0; i < m_nToolCapacity; i++)
    {
        if (m_phToolWnds[i] == NULL)
            return i;
    }
    return -1;
}

void CCoolToolTip::FreeToolSlot(int nSlot)
{
    m_phToolWnds[nSlot] = NULL;
    free(m_ppToolRecords[nSlot]);
    m_ppToolRecords[nSlot] = NULL;
}

// Returns the text source of a record: the record's own text, or pszBuffer
// after the callback has filled it. The buffer is not cleared first, so a
// callback that writes nothing leaves the last text to be shown again.
const char* CCoolToolTip::FetchToolText(HWND hTool, const BYTE* pRecord, char* pszBuffer,
                                        int nBufferSize)
{
    if (pRecord[0] == kToolRecordText)
        return reinterpret_cast<const char*>(pRecord + 1);

    VELUTOOLTEXTPROC pfnText;
    WORD nLength;
    memcpy(&pfnText, pRecord + kRecordProcOffset, sizeof(pfnText));
    memcpy(&nLength, pRecord + kRecordLengthOffset, sizeof(nLength));
    if (pfnText == NULL)
        return "";
    unsigned char* pData = nLength != 0 ? const_cast<BYTE*>(pRecord) + kRecordDataOffset : NULL;
    pfnText(hTool, pData, nLength, pszBuffer, nBufferSize);
    return pszBuffer;
}
