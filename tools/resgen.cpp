// resgen.cpp - host program that writes every resource file the library carries into one folder.
#include "cursors.h"
#include "formats.h"
#include "glyphs.h"
#include "skins.h"

#include <cstdio>
#include <string>

namespace
{
struct SkinFile
{
    const char* file;
    Raster (*draw)();
    int inflatedSize;   // the exact size of the BMP file the library expects
};

// Some files carry 2 bytes of padding after the last row; the difference
// between the expected size and the rows decides which.
const SkinFile kSkins[] = {
    {"btndef.xzp",    DrawButtonDefaultSkin,  2614},
    {"btnnorm.xzp",   DrawButtonNormalSkin,   2614},
    {"btndis.xzp",    DrawButtonDisabledSkin, 2454},
    {"btnhot.xzp",    DrawButtonHotSkin,      2616},
    {"btndown.xzp",   DrawButtonDownSkin,     2616},
    {"coolcheck.xzp", DrawCheckSkin,          2456},
    {"cooldlg.xzp",   DrawDialogSkin,         33894},
    {"coolpgs.xzp",   DrawProgressSkin,       3094},
    {"xbmptip.xzp",   DrawBalloonSkin,        5238},
    {"xtooltip.xzp",  DrawToolTipSkin,        5238},
    {"fltbarbtn.xzp", DrawFloatBarButton,     774},
};

bool Write(const std::string& dir, const char* file, const Bytes& data)
{
    if (data.empty() || !WriteBytes(dir + "/" + file, data))
    {
        std::fprintf(stderr, "velu-resgen: cannot write %s/%s\n", dir.c_str(), file);
        return false;
    }
    return true;
}

bool WriteSkin(const std::string& dir, const SkinFile& skin)
{
    const Raster image = skin.draw();
    const int pad = skin.inflatedSize - int(EncodeBmp24(image, 0).size());
    if (pad != 0 && pad != 2)
    {
        std::fprintf(stderr, "velu-resgen: %s is %d x %d, which cannot make %d bytes\n",
                     skin.file, image.Width(), image.Height(), skin.inflatedSize);
        return false;
    }
    return Write(dir, skin.file, DeflateRaw(EncodeBmp24(image, pad)));
}
}

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: velu-resgen OUTPUT-FOLDER\n");
        return 2;
    }
    const std::string dir = argv[1];
    bool ok = true;
    for (const SkinFile& skin : kSkins)
        ok = WriteSkin(dir, skin) && ok;
    ok = Write(dir, "ctrlbar.bmp", EncodeBmp24(DrawCtrlBarStrip(), 0)) && ok;
    ok = Write(dir, "btnlsitm.bmp", EncodeBmp24(DrawButtonListStrip(), 0)) && ok;
    ok = Write(dir, "focus.bmp", EncodeBmp1(8, 8, FocusPattern())) && ok;
    ok = Write(dir, "curhand.cur", MakeHandCursor()) && ok;
    ok = Write(dir, "curhsplt.cur", MakeHorzSplitCursor()) && ok;
    ok = Write(dir, "curvsplt.cur", MakeVertSplitCursor()) && ok;
    return ok ? 0 : 1;
}
