#include "settings_store.h"

#include "../app/app_state.h"
#include "../bars/bar_layout.h"
#include "config_path.h"

bool SettingsFilePath(char* out)
{
    char dir[MAX_PATH];
    out[0] = '\0';
    return ExeDirectory(dir) && JoinConfigPath(dir, "Sashlet.ini", out, MAX_PATH);
}

static int IniReadInt(void* path, const char* key, int def)
{
    return static_cast<int>(GetPrivateProfileIntA(kSettingsSection, key, def, static_cast<const char*>(path)));
}

static void IniReadString(void* path, const char* key, const char* def, char* out, int size)
{
    GetPrivateProfileStringA(kSettingsSection, key, def, out, static_cast<DWORD>(size), static_cast<const char*>(path));
}

static void IniWriteString(void* path, const char* key, const char* value)
{
    WritePrivateProfileStringA(kSettingsSection, key, value, static_cast<const char*>(path));
}

// Without a usable file name the settings behave as if the file were absent.
static ProfileStore SettingsStore(char* path)
{
    if (!SettingsFilePath(path))
        return AbsentProfileStore();
    return ProfileStore{path, IniReadInt, IniReadString, IniWriteString};
}

void LoadSettings()
{
    char path[MAX_PATH];
    ReadSettings(SettingsStore(path), g_app.screen, g_app.settings);
    ShowEnabledBars();
}

void SaveSettings()
{
    char path[MAX_PATH];
    const ProfileStore store = SettingsStore(path);
    // A read-only file is the user's way of freezing the settings; some
    // systems (or an administrator's rights) would write it all the same.
    const DWORD attributes = path[0] ? GetFileAttributesA(path) : INVALID_FILE_ATTRIBUTES;
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return;
    WriteSettings(store, g_app.settings);
}
