#include "settings_store.h"

#include <windows.h>

#include "config_files.h"
#include "../common/path.h"

bool SettingsFilePath(char* out) { return ConfigFilePath("Sashlet.ini", out); }

static int IniReadInt(void* path, const char* key, int def)
{
    return static_cast<int>(GetPrivateProfileIntA(kSettingsSection, key, def, static_cast<const char*>(path)));
}

static void IniReadString(void* path, const char* key, const char* def, char* out, int size)
{
    GetPrivateProfileStringA(kSettingsSection, key, def, out, static_cast<DWORD>(size), static_cast<const char*>(path));
}

static bool IniWriteString(void* path, const char* key, const char* value)
{
    return WritePrivateProfileStringA(kSettingsSection, key, value, static_cast<const char*>(path)) != 0;
}

// Without a usable file name the settings behave as if the file were absent.
static ProfileStore SettingsStore(char* path)
{
    if (!SettingsFilePath(path))
        return AbsentProfileStore();
    return ProfileStore{path, IniReadInt, IniReadString, IniWriteString};
}

// Room for every key the file is written with, and many more a person might add.
const DWORD kKeyListSize = 1024;

void LoadSettings(ScreenSize screen, Settings& settings)
{
    char path[kPathBufferSize];
    ListedKeys listed = {SettingsStore(path), nullptr, 0};
    // The section's keys, asked for once: a key missing from the file then
    // costs no opening of the file. A list cut short lists nothing.
    char keys[kKeyListSize];
    const DWORD length = path[0] ? GetPrivateProfileStringA(kSettingsSection, nullptr, "", keys, kKeyListSize, path) : 0;
    if (length < kKeyListSize - 2) {
        listed.keys = keys;
        listed.length = length;
    }
    ReadSettings(ListedKeysStore(listed), screen, settings);
}

bool SaveSettings(const Settings& settings)
{
    char path[kPathBufferSize];
    const ProfileStore store = SettingsStore(path);
    // Some systems (or an administrator's rights) would write a read-only file all the same.
    if (path[0] && IsReadOnlyFile(path))
        return false;
    return WriteSettings(store, settings);
}
