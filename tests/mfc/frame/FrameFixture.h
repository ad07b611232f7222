// Resource ids of the test frame: its menu, accelerators, tool bars, icon,
// dialog bar and command strings ("prompt\ntip").
#pragma once

#define IDR_TESTFRAME 7000
#define IDR_PALETTE 7001
#define IDD_TESTDIALOGBAR 7002

#define ID_TEST_ALPHA 7100
#define ID_TEST_BETA 7101
#define ID_TEST_GAMMA 7102
#define ID_TEST_DELTA 7103
#define ID_TEST_TEXT 7104
#define ID_TEST_ROUTED 7105
#define ID_TEST_RANGE_FIRST 7110
#define ID_TEST_RANGE_LAST 7112
#define ID_TEST_COMBO 7120
#define ID_TEST_DLGBUTTON 7121

#define IDS_TEST_FORMAT 7200

#define TEST_FRAME_TITLE "Test frame"
#define TEST_ALPHA_PROMPT "Runs the alpha command"
#define TEST_ALPHA_TIP "Alpha tip"
