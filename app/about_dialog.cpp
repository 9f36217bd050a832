// The About box and the drawing of its link.
#include "app/about_dialog.h"

#include <shellapi.h>

#include "app/main_window.h"
#include "app/process_state.h"
#include "app/window_dpi.h"
#include "common/resource_ids.h"

namespace {

constexpr COLORREF LINK_COLOUR = 0x00FF0000;
constexpr COLORREF PRESSED_LINK_COLOUR = 0x000000FF;
constexpr int LINK_FONT_HEIGHT = 10;  // unscaled
constexpr int LINK_TEXT_SIZE = 256;

HFONT linkFont = nullptr;  // exists only while the box is open

void OpenWithShell(const char* address) {
    ShellExecuteA(nullptr, "open", address, nullptr, nullptr, SW_SHOW);
}

LinkOpener linkOpener = OpenWithShell;

HFONT MakeFont(int height, int underline, int weight) {
    return CreateFontA(-height, 0, 0, 0, weight, 0, underline, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
}

// A full redraw is blue; a selection or focus change is red while pressed.
COLORREF LinkColour(const DRAWITEMSTRUCT& item) {
    if (item.itemAction == ODA_DRAWENTIRE || !(item.itemState & ODS_SELECTED))
        return LINK_COLOUR;
    return PRESSED_LINK_COLOUR;
}

void DrawLink(const DRAWITEMSTRUCT& item) {
    const COLORREF colour = LinkColour(item);
    char text[LINK_TEXT_SIZE];
    const int length = GetWindowTextA(item.hwndItem, text, LINK_TEXT_SIZE - 1);
    SetBkMode(item.hDC, TRANSPARENT);
    HGDIOBJ previousFont = SelectObject(item.hDC, linkFont);
    SetTextColor(item.hDC, colour);
    RECT area = item.rcItem;
    DrawTextA(item.hDC, text, length, &area, DT_SINGLELINE | DT_NOCLIP);
    SelectObject(item.hDC, previousFont);
    SetBkMode(item.hDC, OPAQUE);
}

void OpenLink(HWND link) {
    char address[LINK_TEXT_SIZE];
    GetWindowTextA(link, address, LINK_TEXT_SIZE - 1);
    linkOpener(address);
}

void OnCommand(HWND dialog, WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (id == IDCANCEL || id == IDCLOSE)
        EndDialog(dialog, id);
    else if (id == IDC_LINK)
        OpenLink(reinterpret_cast<HWND>(lParam));
}

}  // namespace

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        linkFont = MakeFont(MulDiv(LINK_FONT_HEIGHT, WindowDpi(dialog), UNSCALED_DPI), 1, FW_NORMAL);
        return TRUE;
    case WM_DRAWITEM: DrawLink(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_COMMAND: OnCommand(dialog, wParam, lParam); return TRUE;
    case WM_DESTROY:
        DeleteObject(linkFont);
        linkFont = nullptr;
        return FALSE;
    default: return FALSE;
    }
}

// The wide-character call keeps the Polish texts of the template intact
// whatever the system's ANSI code page is.
void ShowAboutBox() {
    DialogBoxParamW(moduleHandle, MAKEINTRESOURCEW(IDD_ABOUT), mainWindow, AboutDialogProc, 0);
}

LinkOpener SetLinkOpener(LinkOpener opener) {
    LinkOpener previous = linkOpener;
    linkOpener = opener;
    return previous;
}
