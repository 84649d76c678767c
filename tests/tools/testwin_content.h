// The pictures the test windows paint: the desktop with its icons, a
// document, a list of things to do and a list of files whose rows can be
// dragged, with the picture that follows a dragged file.
#pragma once
#include <windows.h>

enum Content { ContentPlain, ContentDesktop, ContentText, ContentMemo, ContentFiles };

void PaintDesktop(HDC dc, const RECT& client);
void PaintDocument(HDC dc, const RECT& client);
void PaintMemo(HDC dc, const RECT& client);
void PaintFiles(HDC dc, const RECT& client);

// An icon from shell32.dll's set; the caller destroys it.
HICON ShellIcon(int index, bool small);

// A press on a file's row starts dragging its picture, which follows the
// pointer until the button is released.
LRESULT CALLBACK DragImageProc(HWND w, UINT msg, WPARAM wp, LPARAM lp);
void StartDrag(HWND source, LPARAM lp);
void MoveDragImage(HWND source, LPARAM lp);
void EndDrag(HWND source);
