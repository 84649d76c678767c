#pragma once

// Reads "Sashlet.ini" into the settings through the load rules, then shows
// the bars of the enabled edges and hides the others.
void LoadSettings();

// Writes every setting unchanged.
void SaveSettings();

// The settings file's full name; false when it cannot be formed.
bool SettingsFilePath(char* out);
