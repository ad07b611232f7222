// FrameTestSupport.cpp - library copies with edited resources, in-memory BMP images and heap accounting for the frame tests.
#include "FrameTestSupport.h"

#include "tools/bmpheaders.h"
#include "frame/VeluFrame.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace frametest {

TempFolder::TempFolder()
{
    char base[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, base);
    static int s_serial = 0;
    m_path = std::string(base) + "velu-frame-" + std::to_string(::GetCurrentProcessId()) + "-" +
             std::to_string(++s_serial);
    ::CreateDirectoryA(m_path.c_str(), NULL);
}

TempFolder::~TempFolder()
{
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA(File("*").c_str(), &found);
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
    char library[MAX_PATH] = {};
    ::GetModuleFileNameA(g_hVeluInstance, library, MAX_PATH);
    const std::string target = folder.File(fileName);
    return ::CopyFileA(library, target.c_str(), FALSE) ? target : std::string();
}

bool EditResources(const std::string& modulePath, const std::vector<ResourceEdit>& edits)
{
    HANDLE update = ::BeginUpdateResourceA(modulePath.c_str(), FALSE);
    if (!update)
        return false;
    bool ok = true;
    for (const ResourceEdit& edit : edits)
    {
        void* data = const_cast<BYTE*>(edit.data.data());
        ok = ::UpdateResourceA(update, edit.type, edit.name, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), data,
                               DWORD(edit.data.size())) && ok;
    }
    return ::EndUpdateResourceA(update, !ok) && ok;
}

bool RenameResource(const std::string& modulePath, const char* from, const char* to)
{
    const size_t length = std::strlen(from);
    std::fstream file(modulePath, std::ios::in | std::ios::out | std::ios::binary);
    const Bytes image{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    // A directory string: 16-bit length, then UTF-16 characters.
    Bytes pattern = {BYTE(length), BYTE(length >> 8)}, renamed;
    for (size_t i = 0; i < length; ++i)
    {
        pattern.insert(pattern.end(), {BYTE(from[i]), 0});
        renamed.insert(renamed.end(), {BYTE(to[i]), 0});
    }
    const auto found = std::search(image.begin(), image.end(), pattern.begin(), pattern.end());
    if (std::strlen(to) != length || found == image.end())
        return false;
    file.clear();
    file.seekp(found - image.begin() + 2);
    file.write(reinterpret_cast<const char*>(renamed.data()), renamed.size());
    file.close();
    return !file.fail();
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
        bmp::Put16(out, WORD(chunk));
        bmp::Put16(out, WORD(~chunk));
        out.insert(out.end(), payload.begin() + offset, payload.begin() + offset + chunk);
        offset += chunk;
    } while (offset < payload.size());
    return out;
}

Bytes BuildBmp(const BmpSpec& spec)
{
    const DWORD stride = bmp::Stride(spec.width, spec.bitCount);
    const DWORD bitsOffset =
        bmp::kFileHeaderSize + bmp::kInfoHeaderSize + DWORD(spec.masks.size() + spec.colourTable.size()) * 4;
    const DWORD bitsSize = stride * spec.height;
    Bytes out;
    bmp::PutFileHeader(out, bitsOffset + bitsSize, spec.bitsOffsetField ? spec.bitsOffsetField : bitsOffset);
    bmp::PutInfoHeader(out, spec.width, spec.topDown ? -spec.height : spec.height, spec.bitCount,
                       spec.compression, bitsSize, spec.clrUsed);
    for (DWORD mask : spec.masks)
        bmp::Put32(out, mask);
    for (const RGBQUAD& q : spec.colourTable)
        out.insert(out.end(), {q.rgbBlue, q.rgbGreen, q.rgbRed, 0});
    for (int i = 0; i < spec.height; ++i)
    {
        Bytes padded(spec.rows[spec.topDown ? i : spec.height - 1 - i]);
        padded.resize(stride, 0);
        out.insert(out.end(), padded.begin(), padded.end());
    }
    return out;
}

Bytes Row24(const std::vector<COLORREF>& pixels)
{
    Bytes row;
    for (COLORREF c : pixels)
        row.insert(row.end(), {GetBValue(c), GetGValue(c), GetRValue(c)});
    return row;
}


}  // namespace frametest
