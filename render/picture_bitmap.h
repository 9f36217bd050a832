// PictureBitmap: one picture file held as a DIB section, with its size.
#pragma once

#include <windows.h>

#include <cstdint>

class PictureBitmap {
public:
    PictureBitmap();
    virtual ~PictureBitmap();

    int Load(HINSTANCE instance, const char* path);
    int Attach(HBITMAP newBitmap);
    void Release();

    int32_t Width() const { return width; }
    int32_t Height() const { return height; }
    HBITMAP Bitmap() const { return bitmap; }

    // Copies a tile of this picture onto destination with a one-pixel bevel.
    void DrawTile(HDC destination, int32_t destinationX, int32_t destinationY,
                  int32_t sourceX, int32_t sourceY, int32_t tileWidth, int32_t tileHeight) const;

private:
    HBITMAP bitmap;
    int32_t width;
    int32_t height;
};
