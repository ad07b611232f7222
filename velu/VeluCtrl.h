// VeluCtrl.h - umbrella header: every public header of the library.
#ifndef VELU_VELUCTRL_H
#define VELU_VELUCTRL_H

#include "frame/VeluFrame.h"
#include "tips/VeluTips.h"
#include "panes/VeluPanes.h"
#include "buttons/VeluButtons.h"

#endif // VELU_VELUCTRL_H
