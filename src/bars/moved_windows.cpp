#include "moved_windows.h"

void ClearMovedWindowTable(MovedWindowTable& table)
{
    for (MovedWindowEntry& e : table.entries)
        e = MovedWindowEntry{nullptr, 0, 0};
    table.count = 0;
}

bool IsMovedWindow(const MovedWindowTable& table, WindowHandle window)
{
    for (const MovedWindowEntry& e : table.entries)
        if (e.window == window)
            return true;
    return false;
}

bool MovedWindowTableFull(const MovedWindowTable& table) { return table.count >= kMovedWindowCapacity; }

void RecordMovedWindow(MovedWindowTable& table, WindowHandle window, int left, int top)
{
    if (MovedWindowTableFull(table) || table.count < 0)
        return;
    table.entries[table.count] = MovedWindowEntry{window, left, top};
    ++table.count;
    if (table.count < kMovedWindowCapacity)
        table.entries[table.count].window = nullptr;
}

void RestoreMovedWindowTable(MovedWindowTable& table,
                             void (*moveBack)(WindowHandle, int, int, void*), void* context)
{
    for (int i = 0; i < kMovedWindowCapacity && table.entries[i].window; ++i) {
        MovedWindowEntry& e = table.entries[i];
        moveBack(e.window, e.left, e.top, context);
        e.window = nullptr;
    }
    table.count = 0;
}

bool IsBeyondEdge(Edge edge, const Rect& r, ScreenSize screen)
{
    switch (edge) {
    case EdgeLeft:   return r.right < 0;
    case EdgeRight:  return r.left > screen.width;
    case EdgeTop:    return r.bottom < 0;
    case EdgeBottom: return r.top > screen.height;
    }
    return true;
}

bool ReachesPastLine(Edge edge, const Rect& r, int line)
{
    switch (edge) {
    case EdgeLeft:   return r.left <= line;
    case EdgeRight:  return r.right >= line;
    case EdgeTop:    return r.top <= line;
    case EdgeBottom: return r.bottom >= line;
    }
    return false;
}

Point PushedCorner(Edge edge, const Rect& r, int line)
{
    switch (edge) {
    case EdgeLeft:   return Point{line, r.top};
    case EdgeRight:  return Point{r.left + line - r.right, r.top};
    case EdgeTop:    return Point{r.left, line};
    case EdgeBottom: return Point{r.left, r.top + line - r.bottom};
    }
    return Point{r.left, r.top};
}
