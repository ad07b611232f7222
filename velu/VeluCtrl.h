// VeluCtrl.h - umbrella header: every public header of the library.
#ifndef VELU_VELUCTRL_H
#define VELU_VELUCTRL_H

#include "frame/VeluFrame.h"
#include "skin/VeluSkin.h"
#include "buttons/VeluButtons.h"
#include "edits/VeluEdits.h"
#include "tips/VeluTips.h"
#include "panes/VeluPanes.h"
#include "listbar/VeluListBar.h"
#include "bars/VeluBars.h"

#endif // VELU_VELUCTRL_H
