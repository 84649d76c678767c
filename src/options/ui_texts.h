#pragma once
#include "../app/app_state.h"

// Texts the options pages show outside their dialog templates, per language.
struct UiTexts {
    const char* noEdgeChecked;
    const char* ignoreColumn;
    const char* openTitle;
    const char* openFilter;  // description/pattern pairs, each zero-terminated, then an empty string
    size_t openFilterSize;
    const char* cannotIgnoreSelf;
};

const UiTexts& CurrentUiTexts();

const char* const kMessageCaption = "Sashlet";
