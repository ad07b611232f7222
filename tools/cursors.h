// cursors.h - the library's cursor pictures.
#ifndef TOOLS_CURSORS_H
#define TOOLS_CURSORS_H

#include "formats.h"

Bytes MakeHandCursor();
Bytes MakeHorzSplitCursor();   // up/down arrows across a double bar
Bytes MakeVertSplitCursor();   // left/right arrows across a double bar

#endif // TOOLS_CURSORS_H
