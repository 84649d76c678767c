#include "ignore_query.h"

#include "../common/path.h"

bool IsIgnoredWindow(const IgnoreList& list, HWND window)
{
    if (list.count == 0)
        return false;
    char path[kPathBufferSize];
    return GetWindowProcessImagePath(window, path) && IgnoreListContains(list, path);
}

void BeginIgnoreQuery(IgnoreQuery& query, const IgnoreList& list)
{
    query.list = &list;
    BeginImageLookups(query.lookups);
    query.verdicts = ProcessVerdicts{nullptr, 0, 0};
}

bool IsIgnoredWindowIn(IgnoreQuery& query, HWND window)
{
    if (query.list->count == 0)
        return false;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    bool ignored = false;
    if (FindProcessVerdict(query.verdicts, processId, &ignored))
        return ignored;
    char path[kPathBufferSize];
    ignored = LookUpImagePath(query.lookups, processId, path) && IgnoreListContains(*query.list, path);
    AddProcessVerdict(query.verdicts, processId, ignored);
    return ignored;
}

void EndIgnoreQuery(IgnoreQuery& query)
{
    EndImageLookups(query.lookups);
    ClearProcessVerdicts(query.verdicts);
}
