// What the Win32 tests share: a temporary directory, the program's main
// window for the length of a test, the process-wide objects a test starts
// from, a drawing target and the bevel rule for pictures worked out in a
// test, and the count of free GDI handles.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tools/bitmaps/bitmap_file.h"

// A fresh directory under the system's temporary folder, removed with all its
// files when the object goes out of scope.
class TempDirectory {
public:
    TempDirectory();
    ~TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    const std::string& Path() const { return path; }  // ends with a backslash
    std::string File(const std::string& name) const { return path + name; }

private:
    std::string path;
};

// The hidden main window as start-up makes it (StartInstance, which leaves
// mainWindow alone when a window of the class already runs); destroyed at the
// end of the scope together with the quit message its destruction posts.
class MainWindowScope {
public:
    MainWindowScope();
    ~MainWindowScope();
    MainWindowScope(const MainWindowScope&) = delete;
    MainWindowScope& operator=(const MainWindowScope&) = delete;

    int Started() const { return started; }

private:
    int started;
};

// The main window's rectangle on the screen and the size of its client area.
RECT WindowRect();
SIZE ClientSize();

// The catalogue as the program finds it at load: no picture.
void EmptyCatalogue();
// Removes the stored record's key and the levels above it that the program makes.
void ForgetStoredRecord();

// A DIB section of a layout, selected into a memory device context to be
// drawn on; both are deleted with the object.
class DrawingTarget {
public:
    explicit DrawingTarget(const BitmapLayout& layout);
    ~DrawingTarget();
    DrawingTarget(const DrawingTarget&) = delete;
    DrawingTarget& operator=(const DrawingTarget&) = delete;

    HDC Dc() const { return dc; }
    std::vector<Colour> Pixels() const;  // top row first

private:
    HBITMAP bitmap;
    HDC dc;
    HGDIOBJ previous;
};

// Pixel (x, y) of a width x height tile cut from picture: left and top edges
// lightened by 20 a channel, then right and bottom darkened by 20, the later
// edge winning at a corner; each channel kept within 0..255.
Colour BevelledPixel(Colour picture, int32_t x, int32_t y, int32_t width, int32_t height);

// Where two pictures of width columns first differ ("" when they are equal).
std::string FirstDifference(const std::vector<Colour>& actual, const std::vector<Colour>& expected, int32_t width);

// Creates pens until the system refuses, deletes them all, and returns how
// many could be created: GetGuiResources is a stub under Wine, but the handle
// table is bounded, so equal counts before and after some work mean that the
// work left no GDI object behind.
int FreeGdiHandles();
