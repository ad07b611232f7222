// formats.h - byte encoders of the generator: BMP files, cursor files, raw DEFLATE.
#ifndef TOOLS_FORMATS_H
#define TOOLS_FORMATS_H

#include "raster.h"

#include <cstdint>
#include <string>
#include <vector>

typedef std::vector<uint8_t> Bytes;

// 24 bpp, bottom-up, rows padded to 4 bytes; trailingPad zero bytes follow the
// last row and are counted in the file header's size.
Bytes EncodeBmp24(const Raster& image, int trailingPad);

// 1 bpp with the colour table black, white; black[y * width + x] marks black
// pixels, row 0 at the top.
Bytes EncodeBmp1(int width, int height, const std::vector<bool>& black);

// A 32 x 32 monochrome cursor from 32 rows of 32 characters:
// 'X' black, 'o' white, anything else transparent.
Bytes EncodeCursor(const char* const rows[32], int hotX, int hotY);

// A raw DEFLATE stream (no zlib header or trailer) of data.
Bytes DeflateRaw(const Bytes& data);

bool WriteBytes(const std::string& path, const Bytes& data);

#endif // TOOLS_FORMATS_H
