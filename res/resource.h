// Resource and control identifiers shared by the resource scripts and the
// code. Plain numbers only: the resource compiler reads this file too.
#pragma once

// Cursors, one per bar, pointing the way a wipe pushes.
#define IDC_PUSH_RIGHT          101
#define IDC_PUSH_LEFT           106
#define IDC_PUSH_UP             108
#define IDC_PUSH_DOWN           109

// Icon
#define IDI_SASHLET             104

// Menus: the bars' context menu
#define IDM_CONTEXT_JAPANESE    102
#define IDM_CONTEXT_ENGLISH     111

// Dialog templates of the options sheet's pages
#define IDD_OPTIONS_JAPANESE    103
#define IDD_OPTIONS_ENGLISH     110
#define IDD_IGNORE_JAPANESE     112
#define IDD_IGNORE_ENGLISH      113
#define IDD_KEYS_JAPANESE       114
#define IDD_KEYS_ENGLISH        115

// Controls of the Options page
#define IDC_COLOR_BUTTON        1000
#define IDC_WIDTH_SPIN          1003
#define IDC_ALPHA_SPIN          1004
#define IDC_WIDTH_EDIT          1005
#define IDC_LEFT_CHECK          1006
#define IDC_ALPHA_EDIT          1007
#define IDC_RIGHT_CHECK         1008
#define IDC_TOP_CHECK           1009
#define IDC_BOTTOM_CHECK        1010
#define IDC_OFFSET_SPIN         1011
#define IDC_OFFSET_EDIT         1012
#define IDC_OPEN_WIDTH_SPIN     1013
#define IDC_OPEN_WIDTH_EDIT     1014
#define IDC_COLOR_SWATCH        1015
#define IDC_EVERY_SCREEN_CHECK  1032
#define IDC_HOVER_EDIT          1033
#define IDC_HOVER_SPIN          1034

// Controls of the Ignore page; Delete shares IDCANCEL's value
#define IDC_IGNORE_LIST         1016
#define IDC_IGNORE_ADD          1018
#define IDC_IGNORE_DELETE       2

// Controls of the Keys page: a hot-key control per edge, whose identifier is
// also the edge's hot-key identifier, a Win box and a Clear button beside each
#define IDC_LEFT_KEY            1020
#define IDC_RIGHT_KEY           1021
#define IDC_TOP_KEY             1022
#define IDC_BOTTOM_KEY          1023
#define IDC_LEFT_KEY_WIN        1024
#define IDC_RIGHT_KEY_WIN       1025
#define IDC_TOP_KEY_WIN         1026
#define IDC_BOTTOM_KEY_WIN      1027
#define IDC_LEFT_KEY_CLEAR      1028
#define IDC_RIGHT_KEY_CLEAR     1029
#define IDC_TOP_KEY_CLEAR       1030
#define IDC_BOTTOM_KEY_CLEAR    1031
#define IDC_LEFT_KEY_TAKEN      1035    // shown while another program holds the edge's key
#define IDC_RIGHT_KEY_TAKEN     1036
#define IDC_TOP_KEY_TAKEN       1037
#define IDC_BOTTOM_KEY_TAKEN    1038

// Hot keys: each edge's key is registered under its hot-key control's
// identifier; while a mouse button is held, the same key with Ctrl or with
// Shift added, which a drag uses to copy or move, under these offsets from it
#define IDH_HELD_WITH_CTRL      100
#define IDH_HELD_WITH_SHIFT     200

// Timers, all set with a callback on the UI thread
#define IDT_DRAG_HOVER          11      // main window, every 200 ms: a button held over a bar?
#define IDT_WATCH_LEFT          13      // a bar, every 100 ms while its edge is wiped: still wiped?
#define IDT_WATCH_RIGHT         14
#define IDT_WATCH_TOP           15
#define IDT_WATCH_BOTTOM        16
#define IDT_DRAG_CONFIRM        17      // main window, 300 ms after a button was found over a bar: still held?
#define IDT_REST                18      // a bar, once, HoverDelay after the pointer came to rest on it

// Context menu commands
#define IDM_OPTIONS             40001
#define IDM_CLOSE               40002

