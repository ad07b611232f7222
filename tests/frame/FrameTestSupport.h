// FrameTestSupport.h - copies of the library with edited resources, BMP images built in memory, heap accounting.
#ifndef TESTS_FRAME_FRAMETESTSUPPORT_H
#define TESTS_FRAME_FRAMETESTSUPPORT_H

#include "support/harness.h"

#include <string>
#include <vector>

namespace frametest {

typedef std::vector<BYTE> Bytes;

// A private temporary folder, removed with everything in it.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string File(const std::string& name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
};

// Copies the linked library under another file name, so that loading it runs
// its entry function as a separate module. Returns the full path, or "".
std::string CopyLibrary(TempFolder& folder, const std::string& fileName);

// One resource written into a module file with UpdateResource; name is a string or MAKEINTRESOURCE.
struct ResourceEdit { const char* type; LPCSTR name; Bytes data; };
bool EditResources(const std::string& modulePath, const std::vector<ResourceEdit>& edits);

// Wine's UpdateResource accepts a deletion but leaves the resource in place,
// so a test takes one away by rewriting its name (same length) in the file.
bool RenameResource(const std::string& modulePath, const char* from, const char* to);

// A raw DEFLATE stream of stored blocks, built by hand: no compressor involved.
Bytes StoredDeflate(const Bytes& payload, bool final = true);

// A loaded module, freed when the object goes.
class Module
{
public:
    explicit Module(HMODULE module = NULL) : m_module(module) {}
    ~Module() { if (m_module) ::FreeLibrary(m_module); }
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    HMODULE get() const { return m_module; }
    // An exported variable of the module, or null.
    template <class T> T* Data(const char* name) const { return reinterpret_cast<T*>(::GetProcAddress(m_module, name)); }

private:
    HMODULE m_module;
};

// A BMP file image in memory; rows are given top row first, unpadded.
struct BmpSpec
{
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
Bytes BuildBmp(const BmpSpec& spec);

Bytes Row24(const std::vector<COLORREF>& pixels);


}  // namespace frametest

#endif  // TESTS_FRAME_FRAMETESTSUPPORT_H
