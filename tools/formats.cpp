// formats.cpp - BMP, cursor and raw DEFLATE encoders of the resource generator.
#include "formats.h"

#include "bmpheaders.h"

#include <cstdio>
#include <zlib.h>

namespace
{
using namespace bmp;

// Mono rows bottom-up; bit set where set(x, y) is true, MSB leftmost.
template <class Pred>
void PutMonoRows(Bytes& out, int width, int height, Pred set)
{
    const int stride = Stride(width, 1);
    for (int y = height - 1; y >= 0; --y)
    {
        Bytes row(stride, 0);
        for (int x = 0; x < width; ++x)
            if (set(x, y))
                row[x / 8] |= uint8_t(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
}
}

Bytes EncodeBmp24(const Raster& image, int trailingPad)
{
    const int stride = Stride(image.Width(), 24);
    const uint32_t bitsSize = uint32_t(stride) * image.Height();
    const uint32_t bitsOffset = kFileHeaderSize + kInfoHeaderSize;
    Bytes out;
    PutFileHeader(out, bitsOffset + bitsSize + trailingPad, bitsOffset);
    PutInfoHeader(out, image.Width(), image.Height(), 24, 0, bitsSize, 0);
    for (int y = image.Height() - 1; y >= 0; --y)
    {
        for (int x = 0; x < image.Width(); ++x)
        {
            const Rgb c = image.Get(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        out.insert(out.end(), stride - image.Width() * 3, 0);
    }
    out.insert(out.end(), trailingPad, 0);
    return out;
}

Bytes EncodeBmp1(int width, int height, const std::vector<bool>& black)
{
    const uint32_t bitsSize = uint32_t(Stride(width, 1)) * height;
    const uint32_t bitsOffset = kFileHeaderSize + kInfoHeaderSize + 8;
    Bytes out;
    PutFileHeader(out, bitsOffset + bitsSize, bitsOffset);
    PutInfoHeader(out, width, height, 1, 0, bitsSize, 2);
    Put32(out, 0x00000000);    // index 0: black
    Put32(out, 0x00FFFFFF);    // index 1: white
    PutMonoRows(out, width, height, [&](int x, int y) { return !black[size_t(y) * width + x]; });
    return out;
}

Bytes EncodeCursor(const char* const rows[32], int hotX, int hotY)
{
    const int size = 32;
    const uint32_t maskBytes = uint32_t(Stride(size, 1)) * size;
    const uint32_t imageBytes = kInfoHeaderSize + 8 + 2 * maskBytes;
    Bytes out;
    Put16(out, 0);             // reserved
    Put16(out, 2);             // cursor resource
    Put16(out, 1);             // one image
    out.push_back(uint8_t(size));
    out.push_back(uint8_t(size));
    out.push_back(0);          // colour count
    out.push_back(0);
    Put16(out, uint32_t(hotX));
    Put16(out, uint32_t(hotY));
    Put32(out, imageBytes);
    Put32(out, 6 + 16);
    // The image header's height covers the XOR and the AND mask together.
    PutInfoHeader(out, size, size * 2, 1, 0, 2 * maskBytes, 2);
    Put32(out, 0x00000000);
    Put32(out, 0x00FFFFFF);
    PutMonoRows(out, size, size, [&](int x, int y) { return rows[y][x] == 'o'; });
    PutMonoRows(out, size, size, [&](int x, int y) { return rows[y][x] != 'o' && rows[y][x] != 'X'; });
    return out;
}

Bytes DeflateRaw(const Bytes& data)
{
    z_stream zs = {};
    if (deflateInit2(&zs, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        return Bytes();
    Bytes out(deflateBound(&zs, uLong(data.size())) + 16);
    zs.next_in = const_cast<Bytef*>(data.data());
    zs.avail_in = uInt(data.size());
    zs.next_out = out.data();
    zs.avail_out = uInt(out.size());
    const int rc = deflate(&zs, Z_FINISH);
    out.resize(zs.total_out);
    deflateEnd(&zs);
    return rc == Z_STREAM_END ? out : Bytes();
}

bool WriteBytes(const std::string& path, const Bytes& data)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    return std::fclose(f) == 0 && ok;
}
