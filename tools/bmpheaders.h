// bmpheaders.h - little-endian writers of the BMP file and information headers, header-only so that the host generator and the cross-built tests share them.
#ifndef TOOLS_BMPHEADERS_H
#define TOOLS_BMPHEADERS_H

#include <cstdint>
#include <vector>

namespace bmp {

const uint32_t kFileHeaderSize = 14;
const uint32_t kInfoHeaderSize = 40;

inline void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

inline void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

inline int Stride(int width, int bitCount)
{
    return ((width * bitCount + 31) / 32) * 4;
}

inline void PutFileHeader(std::vector<uint8_t>& out, uint32_t fileSize, uint32_t bitsOffset)
{
    out.push_back('B');
    out.push_back('M');
    Put32(out, fileSize);
    Put32(out, 0);
    Put32(out, bitsOffset);
}

// A negative height makes the rows run top-down; compression 0 is BI_RGB.
inline void PutInfoHeader(std::vector<uint8_t>& out, int width, int height, int bitCount,
                          uint32_t compression, uint32_t imageSize, uint32_t colours)
{
    Put32(out, kInfoHeaderSize);
    Put32(out, uint32_t(width));
    Put32(out, uint32_t(height));
    Put16(out, 1);
    Put16(out, uint32_t(bitCount));
    Put32(out, compression);
    Put32(out, imageSize);
    Put32(out, 2835);          // 72 dpi
    Put32(out, 2835);
    Put32(out, colours);
    Put32(out, 0);
}

}  // namespace bmp

#endif // TOOLS_BMPHEADERS_H
