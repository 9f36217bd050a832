// PictureBitmap: one picture held as a DIB section, with its size and the
// order in which its rows are stored, and the drawing of a bevelled tile
// from it.
#pragma once

#include <windows.h>

#include <cstdint>

// How a picture is fitted to the screen when it is loaded for a game: the
// display's dots per inch (96 at 100% scaling), the largest client area
// whose window fits the monitor's work area, and the grid size N, below
// which no side may shrink.
struct PictureFit {
    int32_t dpi;
    int32_t maxWidth;
    int32_t maxHeight;
    int32_t minimumSide;
};

class PictureBitmap {
public:
    PictureBitmap();
    virtual ~PictureBitmap();
    PictureBitmap(const PictureBitmap&) = delete;
    PictureBitmap& operator=(const PictureBitmap&) = delete;

    // 1 when the BMP file loaded as a bitmap with its own pixels, depth and
    // colour table; otherwise 0 and the object is empty.
    int Load(HINSTANCE instance, const char* path);
    // 1 when the picture file (BMP, PNG, JPEG or GIF) loaded as it is shown
    // under fit: a BMP shown at its own size exactly as Load gives it, any
    // other picture resampled to its shown size as a 32-bit section.
    // Otherwise 0 and the object is empty.
    int LoadFitted(HINSTANCE instance, const char* path, const PictureFit& fit);
    // Takes ownership of newBitmap; 1 when taken. A null handle, or a bitmap
    // whose width or height is not positive, gives 0 and an empty object.
    // The row order of a DIB section is found out once, here.
    int Attach(HBITMAP newBitmap);
    // Holds an exact copy of other's pixels when other is a 32-bit section;
    // 0 otherwise (the object is then empty).
    int CopyFrom(const PictureBitmap& other);
    // Takes other's bitmap, size and row order over; other is left empty.
    void TakeFrom(PictureBitmap& other);
    void Release();

    // Holds a 24-bit picture as a 32-bit section with the same pixels, the
    // screen's format: copies to a window then need no conversion, and tiles
    // go from picture to canvas byte for byte. Other depths, and a picture
    // whose copy fails, stay as they are.
    void UseScreenFormat();

    // The size of the last picture that loaded (0 and 0 if none ever did).
    int32_t Width() const { return width; }
    int32_t Height() const { return height; }
    HBITMAP Bitmap() const { return bitmap; }

    // Copies a tile of this picture onto destination with a one-pixel bevel:
    // left and top edges lightened, right and bottom edges darkened.
    void DrawTile(HDC destination, int32_t destinationX, int32_t destinationY, int32_t sourceX, int32_t sourceY,
                  int32_t tileWidth, int32_t tileHeight) const;

    // True when DrawTile, for a tile that lies inside both bitmaps, reads and
    // writes the bevel through their bits rather than pixel by pixel.
    bool DrawsBevelThroughBits(HDC destination) const;

    // The row order of the bitmap that a live picture holds; false when no
    // picture holds it or its order is not known.
    static bool KnownRowOrder(HBITMAP held, bool& storedBottomUp);

private:
    int AttachStored(HBITMAP newBitmap, bool storedBottomUp);

    HBITMAP bitmap;
    int32_t width;
    int32_t height;
    bool rowsKnown;  // the order below is known: the bits can be reached directly
    bool bottomUp;   // stored row 0 is the picture's bottom row
    PictureBitmap* nextAlive;
};

// How DrawTile reaches the bevel's pixels. Automatic takes the bitmaps' own
// bits where both are DIB sections of 24 or 32 bits per pixel held by
// pictures and GetPixel and SetPixel elsewhere; PerPixel always takes
// GetPixel and SetPixel. The program keeps Automatic; tests and the
// benchmark switch to compare the two.
enum class BevelMeans { Automatic, PerPixel };
void SetBevelMeans(BevelMeans means);
