// Files dropped on the main window.
#pragma once

#include <windows.h>
#include <shellapi.h>

// WM_DROPFILES: the first dropped file that loads as a picture is played, in
// the order the drop lists them; when none does, the warning sound.
void OnDropFiles(HDROP drop);
