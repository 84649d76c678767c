#pragma once
#include "../common/ui_language.h"

// Texts the options pages show outside their dialog templates, per language.
struct UiTexts {
    const char* noEdgeChecked;
    const char* ignoreColumn;
    const char* openTitle;
    const char* openFilter;  // description/pattern pairs, each zero-terminated, then an empty string
    const char* cannotIgnoreSelf;
};

const UiTexts& UiTextsFor(UiLanguage language);

const char* const kMessageCaption = "Sashlet";
