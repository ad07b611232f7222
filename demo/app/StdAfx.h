// StdAfx.h - what every file of the demo includes: MFC, its control bars and the library.
#pragma once

#include <afxwin.h>         // MFC core: windows, dialogs, GDI, the application
#include <afxext.h>         // control bars
#include <afxcmn.h>         // common controls: image lists
#include <afxpriv.h>        // dock bars

#include "VeluCtrl.h"       // the library's controls, tips, panes and bars

#include "resource.h"
