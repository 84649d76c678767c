// "Sashlet.ini" beside the executable, through the system's INI functions.
#pragma once
#include "settings.h"

// Reads the file into `settings` through the load rules for `screen`. A
// missing file or key gives the defaults; nothing is created.
void LoadSettings(ScreenSize screen, Settings& settings);

// Writes every setting unchanged; a read-only file is left as it is. False
// when the file could not be written whole: read-only, in a folder that
// cannot be written, or with no name that fits.
bool SaveSettings(const Settings& settings);

// The settings file's full name; false when it cannot be formed.
bool SettingsFilePath(char* out);
