// cursors.cpp - 32 x 32 monochrome pictures of the hand and split cursors.
#include "cursors.h"

namespace
{
// 'X' black outline, 'o' white body, '.' transparent.
const char* const kHand[32] = {
    ".....XX.........................",
    "....XooX........................",
    "....XooX........................",
    "....XooX........................",
    "....XooX........................",
    "....XooXXX......................",
    "....XooXooXXX...................",
    "....XooXooXooXX.................",
    "....XooXooXooXoX................",
    "XX..XooXooXooXooX...............",
    "XoX.XoooooooooooX...............",
    "XooXXoooooooooooX...............",
    ".XooXoooooooooooX...............",
    "..XoooooooooooooX...............",
    "..XoooooooooooooX...............",
    "...XooooooooooooX...............",
    "...XoooooooooooX................",
    "....XooooooooooX................",
    "....XooooooooooX................",
    ".....XooooooooX.................",
    ".....XooooooooX.................",
    ".....XXXXXXXXXX.................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
};

const char* const kHorzSplit[32] = {
    "................................",
    "................................",
    "................................",
    "................................",
    "...............X................",
    "..............XoX...............",
    ".............XoooX..............",
    "............XoooooX.............",
    "...........XoooooooX............",
    "...........XXXXoXXXX............",
    "..............XoX...............",
    "..............XoX...............",
    "..XXXXXXXXXXXXXoXXXXXXXXXXXXX...",
    "..XoooooooooooooooooooooooooX...",
    "..XXXXXXXXXXXXXXXXXXXXXXXXXXX...",
    "................................",
    "..XXXXXXXXXXXXXXXXXXXXXXXXXXX...",
    "..XoooooooooooooooooooooooooX...",
    "..XXXXXXXXXXXXXoXXXXXXXXXXXXX...",
    "..............XoX...............",
    "..............XoX...............",
    "...........XXXXoXXXX............",
    "...........XoooooooX............",
    "............XoooooX.............",
    ".............XoooX..............",
    "..............XoX...............",
    "...............X................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
};

// The vertical split cursor is the horizontal one turned a quarter.
Bytes Transposed(const char* const rows[32], int hotX, int hotY)
{
    static char buffer[32][33];
    const char* turned[32];
    for (int y = 0; y < 32; ++y)
    {
        for (int x = 0; x < 32; ++x)
            buffer[y][x] = rows[x][y];
        buffer[y][32] = '\0';
        turned[y] = buffer[y];
    }
    return EncodeCursor(turned, hotX, hotY);
}
}

Bytes MakeHandCursor()
{
    return EncodeCursor(kHand, 5, 0);
}

Bytes MakeHorzSplitCursor()
{
    return EncodeCursor(kHorzSplit, 15, 15);
}

Bytes MakeVertSplitCursor()
{
    return Transposed(kHorzSplit, 15, 15);
}
