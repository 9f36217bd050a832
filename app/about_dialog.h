// The About box: the game's title, a line of text and the maker's web
// address drawn as a link that the shell opens.
#pragma once

#include <windows.h>

// Runs the modal box over the main window and returns when it is closed.
void ShowAboutBox();

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Where the link's address is handed to the shell; tests replace it.
using LinkOpener = void (*)(const char* address);
LinkOpener SetLinkOpener(LinkOpener opener);
