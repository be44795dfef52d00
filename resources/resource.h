// Resource and control ids, shared by the resource script and the code.
// Plain #defines: windres reads this file too.
#pragma once

// Application
#define IDI_NOTAVEX 101     // application and tray icon
#define IDB_BOARD 104       // board picture at 100 %, 250 x 100, 16 colours
#define IDR_POPUP_MENU 105  // popup menu of the board and the tray icon
#define IDD_SETTINGS 106    // settings dialog
#define IDD_VERSION 107     // version box
// The board picture drawn for 125, 150, 175 and 200 %
#define IDB_BOARD_125 108
#define IDB_BOARD_150 109
#define IDB_BOARD_175 110
#define IDB_BOARD_200 111

// Popup menu commands
#define IDM_SETTINGS 40002
#define IDM_EXIT 40003
#define IDM_VERSION 40004
#define IDM_STARTUP 40005  // start with Windows: the Startup folder's shortcut

// Settings dialog: lists and message field
#define IDC_MESSAGE_LIST 1000
#define IDC_DATE_LIST 1001
#define IDC_MESSAGE_TEXT 1002
#define IDC_NOTICE 1010
// Settings dialog: date entry
#define IDC_WEEK_RULE_MODE 1003
#define IDC_CALENDAR_MODE 1004
#define IDC_ORDINAL_BOX 1005
#define IDC_WEEKDAY_BOX 1006
#define IDC_MONTH_BOX 1007
#define IDC_DAY_BOX 1008
// Settings dialog: editing buttons
#define IDC_ADD_DATE 1009
#define IDC_CHANGE_DATE 1011
#define IDC_DELETE_DATE 1012
#define IDC_ADD_MESSAGE 1013
#define IDC_CHANGE_MESSAGE 1014
#define IDC_DELETE_MESSAGE 1015
// Settings dialog: options
#define IDC_TOPMOST 1016
#define IDC_AUTOEND 1017
#define IDC_ENDSEC 1018
