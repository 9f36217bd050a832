// PictureBitmap: one picture file held as a DIB section, with its size, and
// the drawing of a bevelled tile from it.
#pragma once

#include <windows.h>

#include <cstdint>

class PictureBitmap {
public:
    PictureBitmap();
    virtual ~PictureBitmap();
    PictureBitmap(const PictureBitmap&) = delete;
    PictureBitmap& operator=(const PictureBitmap&) = delete;

    // 1 when the file loaded as a bitmap; otherwise 0 and the object is empty.
    int Load(HINSTANCE instance, const char* path);
    // Takes ownership of newBitmap; 1 when taken. A null handle, or a bitmap
    // whose width or height is not positive, gives 0 and an empty object.
    int Attach(HBITMAP newBitmap);
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
    void DrawTile(HDC destination, int32_t destinationX, int32_t destinationY,
                  int32_t sourceX, int32_t sourceY, int32_t tileWidth, int32_t tileHeight) const;

    // True when DrawTile, for a tile that lies inside both bitmaps, reads and
    // writes the bevel through their bits rather than pixel by pixel.
    bool DrawsBevelThroughBits(HDC destination) const;

private:
    HBITMAP bitmap;
    int32_t width;
    int32_t height;
};

// How DrawTile reaches the bevel's pixels. Automatic takes the bitmaps' own
// bits where both are DIB sections of 24 or 32 bits per pixel and GetPixel and
// SetPixel elsewhere; PerPixel always takes GetPixel and SetPixel. The program
// keeps Automatic; tests and the benchmark switch to compare the two.
enum class BevelMeans { Automatic, PerPixel };
void SetBevelMeans(BevelMeans means);
