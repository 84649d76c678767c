#pragma once
#include "../common/ui_language.h"

// Texts the options pages show outside their dialog templates, per language.
struct UiTexts {
    const char* noEdgeChecked;
    const char* ignoreColumn;
    const char* openTitle;
    const char* openFilter;  // description/pattern pairs, each zero-terminated, then an empty string
    const char* cannotIgnoreSelf;
    // A file OK could not write: what failed, the file, and what follows.
    const char* settingsNotSaved;
    const char* listNotSaved;
    const char* keptUntilClosed;
    const char* folderPathTooLong;  // in place of a file name that does not fit
};

const UiTexts& UiTextsFor(UiLanguage language);

const char* const kMessageCaption = "Sashlet";
