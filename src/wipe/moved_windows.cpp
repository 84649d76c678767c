#include "moved_windows.h"

void ClearMovedWindowTable(MovedWindowTable& table)
{
    for (MovedWindowEntry& e : table.entries)
        e = MovedWindowEntry{nullptr, Point{0, 0}, Point{0, 0}, ShownNormal, false};
    table.count = 0;
}

static MovedWindowEntry* EntryOf(MovedWindowTable& table, WindowHandle window)
{
    for (MovedWindowEntry& e : table.entries)
        if (e.window == window)
            return &e;
    return nullptr;
}

static const MovedWindowEntry* EntryOf(const MovedWindowTable& table, WindowHandle window)
{
    return EntryOf(const_cast<MovedWindowTable&>(table), window);
}

const MovedWindowEntry* MovedEntryOf(const MovedWindowTable& table, WindowHandle window)
{
    const MovedWindowEntry* e = window ? EntryOf(table, window) : nullptr;
    return e && !e->returning ? e : nullptr;
}

bool IsMovedWindow(const MovedWindowTable& table, WindowHandle window) { return MovedEntryOf(table, window) != nullptr; }

bool MovedWindowTableFull(const MovedWindowTable& table) { return table.count >= kMovedWindowCapacity; }

Point SettledCorner(const MovedWindowTable& table, WindowHandle window, Point current)
{
    const MovedWindowEntry* e = window ? EntryOf(table, window) : nullptr;
    if (!e || !(current == e->home || current == e->sent))
        return current;
    return e->returning ? e->home : e->sent;
}

void RecordMovedWindow(MovedWindowTable& table, WindowHandle window, Point home, ShowState state)
{
    if (!window || MovedWindowTableFull(table))
        return;
    MovedWindowEntry* slot = EntryOf(table, window);
    if (slot && !slot->returning)
        return;
    if (!slot)
        slot = EntryOf(table, nullptr);
    for (int i = 0; !slot && i < kMovedWindowCapacity; ++i)
        if (table.entries[i].returning)
            slot = &table.entries[i];
    if (!slot)
        return;
    *slot = MovedWindowEntry{window, home, home, state, false};
    ++table.count;
}

void NoteWindowSent(MovedWindowTable& table, WindowHandle window, Point to)
{
    MovedWindowEntry* e = window ? EntryOf(table, window) : nullptr;
    if (e && !e->returning)
        e->sent = to;
}

void RestoreMovedWindowTable(MovedWindowTable& table, void (*moveBack)(const MovedWindowEntry&, void*), void* context)
{
    for (MovedWindowEntry& e : table.entries) {
        if (!e.window || e.returning)
            continue;
        moveBack(e, context);
        e.returning = true;
    }
    table.count = 0;
}
