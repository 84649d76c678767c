#include "process_verdicts.h"

#include <cstdlib>

bool FindProcessVerdict(const ProcessVerdicts& verdicts, uint32_t processId, bool* ignored)
{
    for (int i = 0; i < verdicts.count; ++i) {
        if (verdicts.items[i].processId == processId) {
            *ignored = verdicts.items[i].ignored;
            return true;
        }
    }
    return false;
}

void AddProcessVerdict(ProcessVerdicts& verdicts, uint32_t processId, bool ignored)
{
    if (verdicts.count == verdicts.capacity) {
        const int grown = verdicts.capacity ? verdicts.capacity * 2 : 16;
        void* items = realloc(verdicts.items, sizeof(ProcessVerdict) * static_cast<size_t>(grown));
        if (!items)
            return;
        verdicts.items = static_cast<ProcessVerdict*>(items);
        verdicts.capacity = grown;
    }
    verdicts.items[verdicts.count++] = ProcessVerdict{processId, ignored};
}

void ClearProcessVerdicts(ProcessVerdicts& verdicts)
{
    free(verdicts.items);
    verdicts = ProcessVerdicts{nullptr, 0, 0};
}
