// Everything that differs from one edge to the next, in Edge order: its
// setting, its bar window, the controls that stand for it, and which way a
// wipe from it pushes. Every per-edge rule reads this table.
#pragma once
#include "../../res/resource.h"
#include "settings.h"

// The axis a wipe pushes windows along; the edge's bar lies across it.
enum Axis { AxisX, AxisY };

struct EdgeFacts {
    const char* key;        // in "Sashlet.ini"
    int Settings::*flag;    // nonzero: the edge has a bar
    const char* barTitle;   // the bar window's title, which other programs may look for
    int cursorId;           // points the way a wipe from the edge pushes
    int checkBoxId;         // on the Options page
    Axis axis;              // a wipe pushes along it
    int inward;             // +1 where pushing away from the edge raises the coordinate, -1 where it lowers it
    const char* hotKeyKey;  // in "Sashlet.ini": the key that wipes the edge
    int Settings::*hotKey;
    int hotKeyId;           // RegisterHotKey's identifier, and the hot-key control's on the Keys page
    int winCheckBoxId;      // the Keys page's Win box beside it
    int clearButtonId;      // and its Clear button
    int takenMarkId;        // and the mark shown while another program holds the key
};

inline constexpr EdgeFacts kEdges[EdgeCount] = {
    {"Left", &Settings::left, "SashletLeft", IDC_PUSH_RIGHT, IDC_LEFT_CHECK, AxisX, +1, "LeftKey", &Settings::leftKey,
     IDC_LEFT_KEY, IDC_LEFT_KEY_WIN, IDC_LEFT_KEY_CLEAR, IDC_LEFT_KEY_TAKEN},
    {"Right", &Settings::right, "SashletRight", IDC_PUSH_LEFT, IDC_RIGHT_CHECK, AxisX, -1, "RightKey",
     &Settings::rightKey, IDC_RIGHT_KEY, IDC_RIGHT_KEY_WIN, IDC_RIGHT_KEY_CLEAR, IDC_RIGHT_KEY_TAKEN},
    {"Top", &Settings::top, "SashletTop", IDC_PUSH_DOWN, IDC_TOP_CHECK, AxisY, +1, "TopKey", &Settings::topKey,
     IDC_TOP_KEY, IDC_TOP_KEY_WIN, IDC_TOP_KEY_CLEAR, IDC_TOP_KEY_TAKEN},
    {"Bottom", &Settings::bottom, "SashletBottom", IDC_PUSH_UP, IDC_BOTTOM_CHECK, AxisY, -1, "BottomKey",
     &Settings::bottomKey, IDC_BOTTOM_KEY, IDC_BOTTOM_KEY_WIN, IDC_BOTTOM_KEY_CLEAR, IDC_BOTTOM_KEY_TAKEN},
};

inline bool EdgeEnabled(const Settings& s, Edge edge) { return s.*kEdges[edge].flag != 0; }
