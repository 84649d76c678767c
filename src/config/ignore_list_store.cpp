#include "ignore_list_store.h"

#include <cstdlib>

#include "config_files.h"
#include "whole_file.h"
#include "../common/path.h"

bool IgnoreListFilePath(char* out) { return ConfigFilePath("ignore.lst", out); }

void LoadIgnoreList(IgnoreList& list)
{
    ClearIgnoreList(list);
    char path[kPathBufferSize];
    if (!IgnoreListFilePath(path))
        return;
    size_t size = 0;
    char* data = ReadWholeFile(path, &size);
    if (!data)
        return;
    ParseIgnoreList(data, size, list);
    free(data);
}

bool SaveIgnoreList(const char* const* paths, int count)
{
    char path[kPathBufferSize], temp[kPathBufferSize];
    if (!IgnoreListFilePath(path) || !ConfigFilePath("ignore.new", temp) || IsReadOnlyFile(path))
        return false;
    size_t size = 0;
    char* data = FormatIgnoreList(paths, count, &size);
    if (!data)
        return false;
    const bool saved = ReplaceWholeFile(path, temp, data, size, true);
    free(data);
    return saved;
}
