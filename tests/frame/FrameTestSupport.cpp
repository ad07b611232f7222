// FrameTestSupport.cpp - library copies with edited resources, in-memory BMP images and heap accounting for the frame tests.
#include "FrameTestSupport.h"

#include "frame/VeluFrame.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace frametest {

std::string LibraryPath()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(g_hVeluInstance, path, MAX_PATH);
    return path;
}

TempFolder::TempFolder()
{
    char base[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, base);
    static int s_serial = 0;
    char name[MAX_PATH];
    std::snprintf(name, sizeof(name), "%svelu-frame-%lu-%d", base, ::GetCurrentProcessId(), ++s_serial);
    m_path = name;
    ::CreateDirectoryA(m_path.c_str(), NULL);
}

TempFolder::~TempFolder()
{
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((m_path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE)
    {
        do
        {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                ::DeleteFileA(File(found.cFileName).c_str());
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryA(m_path.c_str());
}

std::string CopyLibrary(TempFolder& folder, const std::string& fileName)
{
    const std::string target = folder.File(fileName);
    return ::CopyFileA(LibraryPath().c_str(), target.c_str(), FALSE) ? target : std::string();
}

bool EditResources(const std::string& modulePath, const std::vector<ResourceEdit>& edits)
{
    HANDLE update = ::BeginUpdateResourceA(modulePath.c_str(), FALSE);
    if (!update)
        return false;
    const WORD neutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
    bool ok = true;
    for (const ResourceEdit& edit : edits)
    {
        void* data = const_cast<BYTE*>(edit.data.data());
        ok = ::UpdateResourceA(update, edit.type, edit.name, neutral, data, DWORD(edit.data.size())) && ok;
    }
    return ::EndUpdateResourceA(update, !ok) && ok;
}

bool RenameResource(const std::string& modulePath, const char* from, const char* to)
{
    const size_t length = std::strlen(from);
    if (std::strlen(to) != length)
        return false;
    FILE* file = std::fopen(modulePath.c_str(), "r+b");
    if (!file)
        return false;
    Bytes image;
    for (int c; (c = std::fgetc(file)) != EOF;)
        image.push_back(BYTE(c));
    // A directory string: 16-bit length, then UTF-16 characters.
    Bytes pattern = {BYTE(length), BYTE(length >> 8)};
    for (size_t i = 0; i < length; ++i)
    {
        pattern.push_back(BYTE(from[i]));
        pattern.push_back(0);
    }
    const auto found = std::search(image.begin(), image.end(), pattern.begin(), pattern.end());
    bool ok = found != image.end();
    if (ok)
    {
        const long offset = long(found - image.begin()) + 2;
        for (size_t i = 0; i < length; ++i)
        {
            image[offset + 2 * i] = BYTE(to[i]);
        }
        ok = std::fseek(file, offset, SEEK_SET) == 0 &&
             std::fwrite(&image[offset], 1, 2 * length, file) == 2 * length;
    }
    return std::fclose(file) == 0 && ok;
}

Bytes StoredDeflate(const Bytes& payload, bool final)
{
    Bytes out;
    size_t offset = 0;
    do
    {
        const size_t chunk = std::min<size_t>(payload.size() - offset, 0xFFFF);
        const bool last = final && offset + chunk == payload.size();
        out.push_back(last ? 0x01 : 0x00);   // BFINAL, BTYPE 00 (stored), byte aligned
        const WORD len = WORD(chunk), nlen = WORD(~len);
        out.push_back(BYTE(len));
        out.push_back(BYTE(len >> 8));
        out.push_back(BYTE(nlen));
        out.push_back(BYTE(nlen >> 8));
        out.insert(out.end(), payload.begin() + offset, payload.begin() + offset + chunk);
        offset += chunk;
    } while (offset < payload.size());
    return out;
}

void Module::Free()
{
    if (m_module)
        ::FreeLibrary(m_module);
    m_module = NULL;
}

SIZE_T HeapBytesInUse()
{
    HANDLE heaps[256];
    const DWORD count = ::GetProcessHeaps(256, heaps);
    SIZE_T used = 0;
    for (DWORD i = 0; i < count && i < 256; ++i)
    {
        if (!::HeapLock(heaps[i]))
            continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (::HeapWalk(heaps[i], &entry))
        {
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                used += entry.cbData;
        }
        ::HeapUnlock(heaps[i]);
    }
    return used;
}

namespace {

void Put16(Bytes& out, DWORD v)
{
    out.push_back(BYTE(v));
    out.push_back(BYTE(v >> 8));
}

void Put32(Bytes& out, DWORD v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

Bytes BuildBmp(const BmpSpec& spec)
{
    const DWORD stride = ((spec.width * spec.bitCount + 31) / 32) * 4;
    const DWORD bitsOffset = 14 + 40 + DWORD(spec.masks.size() * 4 + spec.colourTable.size() * 4);
    const DWORD bitsSize = stride * spec.height;
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, bitsOffset + bitsSize);
    Put32(out, 0);
    Put32(out, spec.bitsOffsetField ? spec.bitsOffsetField : bitsOffset);
    Put32(out, 40);
    Put32(out, DWORD(spec.width));
    Put32(out, DWORD(spec.topDown ? -spec.height : spec.height));
    Put16(out, 1);
    Put16(out, spec.bitCount);
    Put32(out, spec.compression);
    Put32(out, bitsSize);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, spec.clrUsed);
    Put32(out, 0);
    for (DWORD mask : spec.masks)
        Put32(out, mask);
    for (const RGBQUAD& q : spec.colourTable)
    {
        out.push_back(q.rgbBlue);
        out.push_back(q.rgbGreen);
        out.push_back(q.rgbRed);
        out.push_back(0);
    }
    for (int i = 0; i < spec.height; ++i)
    {
        const Bytes& row = spec.rows[spec.topDown ? i : spec.height - 1 - i];
        Bytes padded(row);
        padded.resize(stride, 0);
        out.insert(out.end(), padded.begin(), padded.end());
    }
    return out;
}

Bytes Row24(const std::vector<COLORREF>& pixels)
{
    Bytes row;
    for (COLORREF c : pixels)
    {
        row.push_back(GetBValue(c));
        row.push_back(GetGValue(c));
        row.push_back(GetRValue(c));
    }
    return row;
}

std::string DescribeColour(COLORREF colour)
{
    char text[48];
    std::snprintf(text, sizeof(text), "RGB(%d, %d, %d)", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

}  // namespace frametest
