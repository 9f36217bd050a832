// Definitions of the process-wide objects. They live in this one file so that
// their construction order is the order below (the empty string block is a
// constant and exists before all of them); they are destroyed in reverse.
#include "app/process_state.h"

PictureBitmap sourcePicture;
PictureBitmap canvasPicture;
PictureCatalogue pictureCatalogue;

HINSTANCE moduleHandle = nullptr;
HWND mainWindow = nullptr;
