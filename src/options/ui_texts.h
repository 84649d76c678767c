#pragma once
#include "../common/geometry.h"
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
    // The Keys page refuses a key that needs no Ctrl, Alt or Win, or a key set twice.
    const char* keysRefused;
    // OK could not register keys: this, then each key with its edge's name, then the advice.
    const char* keysTaken;
    const char* keysTakenAdvice;
    const char* edgeNames[EdgeCount];
    const char* sheetCannotOpen;  // the system's common controls or dialogs could not be loaded
    const char* restOff;          // the rest on a bar wipes nothing
};

const UiTexts& UiTextsFor(UiLanguage language);

// Japanese where the user's locale is, English everywhere else: picked once, at start-up.
UiLanguage UserLanguage();

const char* const kMessageCaption = "Sashlet";
