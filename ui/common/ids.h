#pragma once
// Control ids of the editor's windows, as their templates number them.

// Main window.
enum MainWindowId {
    IDC_SAVE_TO_CARD = 1002,
    IDC_SCHEDULE_LIST = 1001,
    IDC_NEW = 1003,
    IDC_EDIT = 1004,
    IDC_SAVE_TO_FILE = 1005,
    IDC_DELETE = 1006,
    IDC_LOAD_FROM_FILE = 1007,
    IDC_LOAD_FROM_CARD = 1008,
    IDC_COPY = 1009,
    IDC_DELETE_ALL = 1010,
    IDC_WEEK_STRIP = 1011,
    IDC_COPY_TO_DAYS = 1012,
    IDC_SAVE = 1013,
    IDC_COPY_TO_CARDS = 1014,
    IDM_ABOUTBOX = 0x0010,
    // The command menu's moves of the selected entry, as the week strip's keys make them.
    IDM_MOVE_EARLIER = 1100,
    IDM_MOVE_LATER,
    IDM_MOVE_DAY_EARLIER,
    IDM_MOVE_DAY_LATER,
    IDM_STOP_EARLIER,
    IDM_STOP_LATER,
    IDM_STOP_DAY_EARLIER,
    IDM_STOP_DAY_LATER,
    // The command menu's whole-day commands, on the day of the selected entry or of the row
    // right-clicked on the week strip.
    IDM_COPY_DAY_TO_DAYS = 1200,
    IDM_CLEAR_DAY,
};

// Schedule item dialog.
enum ScheduleItemId {
    IDC_START_TIME = 1004,
    IDC_START_DAY = 1005,
    IDC_STOP_DAY = 1006,
    IDC_STOP_TIME = 1007,
    IDC_RATE_SLIDER = 1008,
    IDC_SIZE_SLIDER = 1009,
    IDC_PAL_TEXT = 1015,
    IDC_SIZE_TEXT = 1016,
    IDC_NTSC_TEXT = 1017,
    IDC_FRAME = 1018,
    IDC_FIELD = 1019,
    IDC_TRIGGER = 1020,
    IDC_DURATION = 1021,
    IDC_SECONDS = 1023,
    IDC_VIDEO_OUT = 1024,
};

// Select card dialog.
enum SelectCardId {
    IDC_CARD_LIST = 1000,
};
