// Answers already found for processes during one wipe, so that a program
// with many windows costs one executable lookup, not one per window.
#pragma once
#include <cstdint>

struct ProcessVerdict {
    uint32_t processId;
    bool ignored;
};

struct ProcessVerdicts {
    ProcessVerdict* items;  // owned; none while empty
    int count;
    int capacity;
};

// True, with the answer, when the process has been decided already.
bool FindProcessVerdict(const ProcessVerdicts& verdicts, uint32_t processId, bool* ignored);

// Remembers an answer. When memory runs out nothing is remembered and the
// process is simply looked up again next time.
void AddProcessVerdict(ProcessVerdicts& verdicts, uint32_t processId, bool ignored);

void ClearProcessVerdicts(ProcessVerdicts& verdicts);
