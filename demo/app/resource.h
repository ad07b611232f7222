// resource.h - identifiers of the demo application's resources (VeluDemo.rc).
#pragma once

// Frame: menu, accelerators, tool bar, icon and title share this id.
#define IDR_MAINFRAME               128
#define IDR_NEWMENU                 129     // drop-down menu of the New button

// Dialog templates
#define IDD_ABOUTBOX                100
#define IDD_CONTROLS                130

// Controls dialog
#define IDC_NAME_LABEL              1000
#define IDC_NAME                    1001
#define IDC_CODE_LABEL              1002
#define IDC_CODE                    1003
#define IDC_DUE_LABEL               1004
#define IDC_DUE                     1005
#define IDC_FOLDER_LABEL            1006
#define IDC_FOLDER                  1007
#define IDC_REMEMBER                1008
#define IDC_NOTIFY_ME               1009
#define IDC_HELP_LINK               1010
#define IDC_PROGRESS                1011
#define IDC_RUN                     1012
#define IDC_APPLY                   1013
#define IDC_TITLE                   1014
#define IDC_LEFT_PANE               1015
#define IDC_SPLIT                   1016
#define IDC_RIGHT_PANE              1017
#define IDC_READONLY_LABEL          1018
#define IDC_READONLY                1019
#define IDC_ABOUT_TEXT              1020

// Panes of the main window's client area
#define IDC_SHORTCUTS               1100
#define IDC_VSPLIT                  1101
#define IDC_ACTIVITY                1102
#define IDC_HSPLIT                  1103
#define IDC_NOTES                   1104
#define IDC_FOLDER_LIST             1105

// Commands
#define ID_NEW_MESSAGE              32771
#define ID_NEW_NOTE                 32772
#define ID_NEW_FOLDER               32773
#define ID_DEMO_CONTROLS            32780
#define ID_DEMO_BALLOON             32781
#define ID_DEMO_NOTIFY              32782
#define ID_DEMO_PROGRESS            32783
#define ID_DEMO_FIND                32784   // the tool bar slot the find box sits in

// The Folders bar; View > Folders shows and hides it by the same id, as
// View > Tool bar does for the tool bar.
#define ID_VIEW_FOLDERS             0xE820  // AFX_IDW_CONTROLBAR_FIRST + 32

// Status bar pane of the progress run
#define ID_INDICATOR_PROGRESS       0xE710
