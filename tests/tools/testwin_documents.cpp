// The application windows' contents: a document, a list of things to do and
// a list of files, whose rows drag their picture along as a file manager's do.
#include <windows.h>
#include <windowsx.h>

#include "testwin_content.h"

static const char* const kDocumentLines[] = {
    "Quarterly report", "",
    "Sales grew in every region this quarter, led by",
    "the new online shop, which now brings in a third",
    "of all orders. Returns fell to their lowest level",
    "since the shop opened.", "",
    "Next steps", "",
    "- hire two more people for the warehouse",
    "- move the spring catalogue forward a month",
    "- review shipping prices with both carriers",
};

static const char* const kMemoLines[] = {
    "Monday",           "- call the printer about the flyers", "- send the report to Anna", "",
    "Tuesday",          "- team lunch at noon",                "- back up the photos",
};

template <size_t N>
static void PaintLines(HDC dc, const RECT& client, const char* const (&lines)[N])
{
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(30, 30, 30));
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    int y = 8;
    for (const char* line : lines) {
        TextOutA(dc, 10, y, line, lstrlenA(line));
        y += 16;
    }
    SelectObject(dc, oldFont);
}

void PaintDocument(HDC dc, const RECT& client) { PaintLines(dc, client, kDocumentLines); }

void PaintMemo(HDC dc, const RECT& client) { PaintLines(dc, client, kMemoLines); }

struct FileRow {
    const char* name;
    int shellIcon;
};

static const FileRow kFiles[] = {
    {"holiday-plan.txt", 2}, {"invoice-0412.txt", 2}, {"Presentations", 5}, {"summary.txt", 2},
    {"Archive", 5},          {"letter.txt", 2},       {"todo.txt", 2},
};
const int kRowHeight = 22;

static HWND g_dragImage;
static int g_dragRow = -1;

void PaintFiles(HDC dc, const RECT& client)
{
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    int y = 6;
    int row = 0;
    for (const FileRow& f : kFiles) {
        if (row == g_dragRow) {
            RECT band = {client.left + 2, y - 2, client.right - 2, y + kRowHeight - 4};
            HBRUSH selection = CreateSolidBrush(RGB(204, 228, 247));
            FillRect(dc, &band, selection);
            DeleteObject(selection);
        }
        HICON icon = ShellIcon(f.shellIcon, true);
        if (icon) {
            DrawIconEx(dc, 8, y, icon, 16, 16, 0, nullptr, DI_NORMAL);
            DestroyIcon(icon);
        }
        SetTextColor(dc, RGB(30, 30, 30));
        TextOutA(dc, 32, y + 1, f.name, lstrlenA(f.name));
        y += kRowHeight;
        ++row;
    }
    SelectObject(dc, oldFont);
}

LRESULT CALLBACK DragImageProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_PAINT && g_dragRow >= 0) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(w, &ps);
        RECT client;
        GetClientRect(w, &client);
        // Windows shows a dragged file on a pale selection-blue tile.
        HBRUSH tile = CreateSolidBrush(RGB(204, 228, 247));
        HBRUSH edge = CreateSolidBrush(RGB(132, 172, 221));
        FillRect(dc, &client, tile);
        FrameRect(dc, &client, edge);
        DeleteObject(tile);
        DeleteObject(edge);
        HICON icon = ShellIcon(kFiles[g_dragRow].shellIcon, false);
        if (icon) {
            DrawIconEx(dc, (client.right - 32) / 2, 2, icon, 32, 32, 0, nullptr, DI_NORMAL);
            DestroyIcon(icon);
        }
        SetBkMode(dc, TRANSPARENT);
        HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        RECT label = {0, 36, client.right, client.bottom};
        DrawTextA(dc, kFiles[g_dragRow].name, -1, &label, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, oldFont);
        EndPaint(w, &ps);
        return 0;
    }
    return DefWindowProcA(w, msg, wp, lp);
}

// What a file manager shows while a file is dragged: its picture at the pointer.
void MoveDragImage(HWND source, LPARAM lp)
{
    if (!g_dragImage)
        return;
    POINT pt = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    ClientToScreen(source, &pt);
    SetWindowPos(g_dragImage, HWND_TOPMOST, pt.x + 6, pt.y + 10, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void StartDrag(HWND source, LPARAM lp)
{
    const int row = (GET_Y_LPARAM(lp) - 4) / kRowHeight;
    if (row < 0 || row >= static_cast<int>(sizeof kFiles / sizeof kFiles[0]))
        return;
    g_dragRow = row;
    InvalidateRect(source, nullptr, TRUE);
    // Layered and transparent to the mouse, as Windows' own drag picture is.
    g_dragImage = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT,
                                  "SashletTestDragImage", "drag image", WS_POPUP, 0, 0, 110, 54, nullptr, nullptr, nullptr,
                                  nullptr);
    SetLayeredWindowAttributes(g_dragImage, 0, 224, LWA_ALPHA);
    MoveDragImage(source, lp);
    ShowWindow(g_dragImage, SW_SHOWNOACTIVATE);
}

void EndDrag(HWND source)
{
    if (g_dragImage)
        DestroyWindow(g_dragImage);
    g_dragImage = nullptr;
    g_dragRow = -1;
    InvalidateRect(source, nullptr, TRUE);
}
