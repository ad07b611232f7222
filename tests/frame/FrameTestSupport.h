// FrameTestSupport.h - copies of the library with edited resources, BMP images built in memory.
#ifndef TESTS_FRAME_FRAMETESTSUPPORT_H
#define TESTS_FRAME_FRAMETESTSUPPORT_H

#include "support/harness.h"
#include "tools/bmpheaders.h"
#include "frame/VeluFrame.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace frametest {

typedef std::vector<BYTE> Bytes;

// A private temporary folder, removed with the files in it.
class TempFolder
{
public:
    TempFolder()
    {
        char base[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, base);
        static int s_serial = 0;
        m_path = std::string(base) + "velu-frame-" + std::to_string(::GetCurrentProcessId()) + "-" +
                 std::to_string(++s_serial);
        ::CreateDirectoryA(m_path.c_str(), NULL);
    }
    ~TempFolder()
    {
        WIN32_FIND_DATAA found;
        HANDLE search = ::FindFirstFileA(File("*").c_str(), &found);
        for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = ::FindNextFileA(search, &found))
            ::DeleteFileA(File(found.cFileName).c_str());
        if (search != INVALID_HANDLE_VALUE)
            ::FindClose(search);
        ::RemoveDirectoryA(m_path.c_str());
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string File(const std::string& name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
};

// Copies the linked library under another file name, so that loading it runs
// its entry function as a separate module. Returns the full path, or "".
inline std::string CopyLibrary(TempFolder& folder, const std::string& fileName)
{
    char library[MAX_PATH] = {};
    ::GetModuleFileNameA(g_hVeluInstance, library, MAX_PATH);
    const std::string target = folder.File(fileName);
    return ::CopyFileA(library, target.c_str(), FALSE) ? target : std::string();
}

// One resource written into a module file with UpdateResource; name is a string or MAKEINTRESOURCE.
struct ResourceEdit { const char* type; LPCSTR name; Bytes data; };
inline bool EditResources(const std::string& modulePath, const std::vector<ResourceEdit>& edits)
{
    HANDLE update = ::BeginUpdateResourceA(modulePath.c_str(), FALSE);
    bool ok = update != NULL;
    for (const ResourceEdit& edit : edits)
        ok = ok && ::UpdateResourceA(update, edit.type, edit.name, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                                     const_cast<BYTE*>(edit.data.data()), DWORD(edit.data.size()));
    return update != NULL && ::EndUpdateResourceA(update, !ok) && ok;
}

// Wine's UpdateResource accepts a deletion but leaves the resource in place,
// so a test takes one away by rewriting its name (same length) in the file.
inline bool RenameResource(const std::string& modulePath, const char* from, const char* to)
{
    const size_t length = std::strlen(from);
    std::fstream file(modulePath, std::ios::in | std::ios::out | std::ios::binary);
    const Bytes image{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    // A directory string: 16-bit length, then UTF-16 characters.
    Bytes pattern = {BYTE(length), BYTE(length >> 8)}, renamed;
    for (size_t i = 0; i < length; ++i) {
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

// A raw DEFLATE stream of stored blocks, built by hand: no compressor involved.
inline Bytes StoredDeflate(const Bytes& payload, bool final = true)
{
    Bytes out;
    size_t offset = 0;
    do {
        const size_t chunk = std::min<size_t>(payload.size() - offset, 0xFFFF);
        out.push_back(final && offset + chunk == payload.size() ? 0x01 : 0x00);   // BFINAL, BTYPE 00 (stored)
        bmp::Put16(out, WORD(chunk));
        bmp::Put16(out, WORD(~chunk));
        out.insert(out.end(), payload.begin() + offset, payload.begin() + offset + chunk);
        offset += chunk;
    } while (offset < payload.size());
    return out;
}

// A loaded module, freed when the object goes.
struct Module : std::unique_ptr<std::remove_pointer<HMODULE>::type, BOOL(WINAPI*)(HMODULE)>
{
    explicit Module(HMODULE module) : unique_ptr(module, ::FreeLibrary) {}
    // An exported variable or function of the module, or null.
    template <class T> T* Export(const char* name) const { return reinterpret_cast<T*>(::GetProcAddress(get(), name)); }
};

// The shape of a BMP file image in memory; rows are given top row first, unpadded.
struct BmpShape
{
    BmpShape(int cx, int cy, WORD bits, std::vector<Bytes> top, std::vector<RGBQUAD> table = {}, DWORD used = 0)
        : width(cx), height(cy), bitCount(bits), clrUsed(used), colourTable(std::move(table)), rows(std::move(top)) {}

    int width = 1;
    int height = 1;
    WORD bitCount = 24;
    DWORD compression = BI_RGB;
    DWORD clrUsed = 0;
    bool topDown = false;
    DWORD bitsOffsetField = 0;          // 0: the true offset
    std::vector<RGBQUAD> colourTable;
    std::vector<DWORD> masks;           // bit-field masks, written before the table
    std::vector<Bytes> rows;
};

inline Bytes BuildBmp(const BmpShape& shape)
{
    const DWORD stride = bmp::Stride(shape.width, shape.bitCount);
    const DWORD bitsOffset =
        bmp::kFileHeaderSize + bmp::kInfoHeaderSize + DWORD(shape.masks.size() + shape.colourTable.size()) * 4;
    const DWORD bitsSize = stride * shape.height;
    Bytes out;
    bmp::PutFileHeader(out, bitsOffset + bitsSize, shape.bitsOffsetField ? shape.bitsOffsetField : bitsOffset);
    bmp::PutInfoHeader(out, shape.width, shape.topDown ? -shape.height : shape.height, shape.bitCount,
                       shape.compression, bitsSize, shape.clrUsed);
    for (DWORD mask : shape.masks)
        bmp::Put32(out, mask);
    for (const RGBQUAD& q : shape.colourTable)
        out.insert(out.end(), {q.rgbBlue, q.rgbGreen, q.rgbRed, 0});
    for (int i = 0; i < shape.height; ++i) {
        Bytes padded(shape.rows[shape.topDown ? i : shape.height - 1 - i]);
        padded.resize(stride, 0);
        out.insert(out.end(), padded.begin(), padded.end());
    }
    return out;
}

inline Bytes Row24(const std::vector<COLORREF>& pixels)
{
    Bytes row;
    for (COLORREF c : pixels)
        row.insert(row.end(), {GetBValue(c), GetGValue(c), GetRValue(c)});
    return row;
}

}  // namespace frametest

#endif  // TESTS_FRAME_FRAMETESTSUPPORT_H
