// The stand-in desktop: two columns of icons on the desktop's blue, labelled
// as Windows labels them.
#include <windows.h>
#include <shellapi.h>

#include "testwin_content.h"

struct DesktopIcon {
    const char* label;
    int shellIcon;  // index into shell32.dll's icons
};

// Two columns, as the wipe distance of two icon spacings uncovers them.
static const DesktopIcon kDesktopIcons[] = {
    {"Computer", 17},   {"Documents", 5},    {"Recycle Bin", 33}, {"Network", 15},     {"Projects", 5},
    {"Photos", 5},      {"report.txt", 2},   {"budget.txt", 2},   {"Downloads", 5},    {"Music", 5},
    {"notes.txt", 2},   {"Printer", 18},
};
const int kIconRows = 6;
const int kIconCell = 75;  // the system's icon spacing under Wine and on a 96-dpi Windows desktop
const COLORREF kDesktopColour = RGB(22, 92, 148);

HICON ShellIcon(int index, bool small)
{
    HICON large = nullptr, little = nullptr;
    ExtractIconExA("shell32.dll", index, &large, &little, 1);
    if (small) {
        if (large)
            DestroyIcon(large);
        return little;
    }
    if (little)
        DestroyIcon(little);
    return large;
}

// Desktop labels: white with a dark shadow, centred under the icon, wrapped
// to the cell as Windows wraps them.
static void PaintIcons(HDC dc, int left, int top)
{
    const int count = static_cast<int>(sizeof kDesktopIcons / sizeof kDesktopIcons[0]);
    for (int i = 0; i < count; ++i) {
        const int x = left + (i / kIconRows) * kIconCell, y = top + (i % kIconRows) * kIconCell;
        HICON icon = ShellIcon(kDesktopIcons[i].shellIcon, false);
        if (icon) {
            DrawIconEx(dc, x + (kIconCell - 32) / 2, y + 6, icon, 32, 32, 0, nullptr, DI_NORMAL);
            DestroyIcon(icon);
        }
        RECT label = {x + 2, y + 42, x + kIconCell - 2, y + kIconCell};
        RECT shadow = {label.left + 1, label.top + 1, label.right + 1, label.bottom + 1};
        SetTextColor(dc, RGB(0, 0, 0));
        DrawTextA(dc, kDesktopIcons[i].label, -1, &shadow, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
        SetTextColor(dc, RGB(255, 255, 255));
        DrawTextA(dc, kDesktopIcons[i].label, -1, &label, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    }
}

// Each monitor the desktop spans shows its own icons, from its top-left
// corner, as Windows arranges them.
static BOOL CALLBACK PaintMonitorsIcons(HMONITOR, HDC dc, LPRECT monitor, LPARAM)
{
    PaintIcons(dc, monitor->left, monitor->top);
    return TRUE;
}

void PaintDesktop(HDC dc, const RECT& client)
{
    HBRUSH background = CreateSolidBrush(kDesktopColour);
    FillRect(dc, &client, background);
    DeleteObject(background);
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    EnumDisplayMonitors(dc, nullptr, PaintMonitorsIcons, 0);
    SelectObject(dc, oldFont);
}
