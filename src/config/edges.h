// Everything that differs from one edge to the next, in Edge order: its
// setting, its bar window and the controls that stand for it.
#pragma once
#include "../../res/resource.h"
#include "settings.h"

struct EdgeFacts {
    const char* key;        // in "Sashlet.ini"
    int Settings::*flag;    // nonzero: the edge has a bar
    const char* barTitle;   // the bar window's title, which other programs may look for
    int cursorId;           // points the way a wipe from the edge pushes
    int checkBoxId;         // on the Options page
};

inline constexpr EdgeFacts kEdges[EdgeCount] = {
    {"Left", &Settings::left, "SashletLeft", IDC_PUSH_RIGHT, IDC_LEFT_CHECK},
    {"Right", &Settings::right, "SashletRight", IDC_PUSH_LEFT, IDC_RIGHT_CHECK},
    {"Top", &Settings::top, "SashletTop", IDC_PUSH_DOWN, IDC_TOP_CHECK},
    {"Bottom", &Settings::bottom, "SashletBottom", IDC_PUSH_UP, IDC_BOTTOM_CHECK},
};

inline bool EdgeEnabled(const Settings& s, Edge edge) { return s.*kEdges[edge].flag != 0; }
