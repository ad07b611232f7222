// Dialog classes: CDialog lives in afxwin.h; the common dialogs are not provided.
#pragma once

#include "afxext.h"
