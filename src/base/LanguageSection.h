#pragma once
#include <QString>

// Section codes of the language file: 0..3 are the menu, prompt, frame and
// message sections, 128 and on one section per dialog or printed document.
enum LanguageSection : int {
    LS_MENU = 0,
    LS_MENU_PROMPT = 1,
    LS_FRAME = 2,
    LS_MSG = 3,
    IDD_DLG_ABOUTBOX = 128,
    IDD_DLG_ALARM,
    IDD_DLG_COMM_GENERAL,
    IDD_DLG_COMM_VARDO_VSEQ,
    IDD_DLG_DOT_FUNCTION,
    IDD_DLG_DOT_OBJECTHELP,
    IDD_DLG_DOT_OBJECTLIST,
    IDD_DLG_DOT_PANEL,
    IDD_DLG_DOT_SCREENLIST,
    IDD_DLG_OBJ_BARMETER,
    IDD_DLG_OBJ_BITMAP,
    IDD_DLG_OBJ_DYNAMICTEXT,
    IDD_DLG_OBJ_INDICATORLIGHT,
    IDD_DLG_OBJ_NUMBERREGISTER,
    IDD_DLG_OBJ_STATICTEXT,
    IDD_DLG_OBJ_STRINGREGISTER,
    IDD_DLG_OBJ_TRENDMETER,
    IDD_DLG_PANEL2PLC,
    IDD_DLG_PANEL2PLC_PANEL,
    IDD_DLG_PANEL2PLC_PLC,
    IDD_DLG_PANEL_CONFIG,
    IDD_DLG_PANEL_MANAGER,
    IDD_DLG_PANELINFO,
    IDD_DLG_PROGRESS,
    IDD_DLG_PROJECT_INFO,
    IDD_DLG_PROJECT_NEW,
    IDD_DLG_PROJECT_OPEN,
    IDD_DLG_PROJECT_OPENPANEL,
    IDD_DLG_PROTOCOL_MANAGER,
    IDD_DLG_PSW,
    IDD_DLG_REG,
    IDD_DLG_SCREEN_DELETE,
    IDD_DLG_SCREEN_FUN_KEY,
    IDD_DLG_SCREEN_FUN_KEY_ADVANCEDFUN,
    IDD_DLG_SCREEN_FUN_KEY_SCREENCHANGE,
    IDD_DLG_SCREEN_FUN_KEY_SETCOIL,
    IDD_DLG_SCREEN_FUN_KEY_SETREG,
    IDD_DLG_SCREEN_NEW,
    IDD_DLG_SCREEN_OPTION,
    IDD_DLG_SCREEN_RENAME,
    IDD_DLG_START_PROJECT,
    IDD_DLG_TRANSFER,
    IDD_DLG_ZOOM,
    IDD_DLG_WINDOW_MANAGE,
    IDD_DLG_BITMAP_MANAGER,
    IDD_DLG_GRID_SIZE,       // 173
    IDD_DLG_SIMULATOR,       // 174, the panel simulation's window
    IDD_DLG_CROSS_REFERENCE, // 175, the Cross Reference pane
    IDD_DLG_REPORT,          // 176, the project report's headings and labels
};

// The section name of a code; a null string for a code that names no section.
QString LanguageSectionName(int code);
