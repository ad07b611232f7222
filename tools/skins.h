// skins.h - the library's skin pictures, drawn pixel by pixel.
#ifndef TOOLS_SKINS_H
#define TOOLS_SKINS_H

#include "raster.h"

Raster DrawButtonDefaultSkin();
Raster DrawButtonNormalSkin();
Raster DrawButtonDisabledSkin();
Raster DrawButtonHotSkin();
Raster DrawButtonDownSkin();
Raster DrawCheckSkin();
Raster DrawDialogSkin();
Raster DrawProgressSkin();
Raster DrawBalloonSkin();
Raster DrawToolTipSkin();
Raster DrawFloatBarButton();

#endif // TOOLS_SKINS_H
