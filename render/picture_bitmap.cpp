// PictureBitmap: loading a picture file as a DIB section, owning it, and
// drawing bevelled tiles from it.
#include "render/picture_bitmap.h"

#include <cstring>

#include "render/direct_pixels.h"
#include "render/picture_file.h"
#include "render/shown_picture.h"
#include "render/tile_geometry.h"

namespace {

constexpr UINT LOAD_FLAGS = LR_LOADFROMFILE | LR_CREATEDIBSECTION;

BevelMeans bevelMeans = BevelMeans::Automatic;

// A tile's place on the destination and in the picture.
struct TilePlace {
    int32_t destinationX;
    int32_t destinationY;
    int32_t sourceX;
    int32_t sourceY;
    int32_t width;
    int32_t height;
};

// One edge of the bevel: length pixels from (offsetX, offsetY) of the tile,
// stepping (stepX, stepY).
struct Edge {
    int32_t offsetX;
    int32_t offsetY;
    int32_t stepX;
    int32_t stepY;
    int32_t length;
    bool lightened;
};

// Left, top, right, bottom: the order fixes the corners (a pixel written
// twice keeps the later edge's value).
void BevelEdges(const TilePlace& tile, Edge (&edges)[4]) {
    edges[0] = Edge{0, 0, 0, 1, tile.height, true};
    edges[1] = Edge{0, 0, 1, 0, tile.width, true};
    edges[2] = Edge{tile.width - 1, 0, 0, 1, tile.height, false};
    edges[3] = Edge{0, tile.height - 1, 1, 0, tile.width, false};
}

// Every picture alive, so that a drawing finds the row order of the one
// whose bitmap its destination holds.
PictureBitmap* firstAlive = nullptr;

// Both bitmaps reachable through their bits for this tile: DIB sections of
// 24 or 32 bits held by pictures whose row order is known, the tile inside
// both, the destination mapped one to one. The picture must be selected
// into no device context.
bool PrepareDirectAccess(HBITMAP picture, HDC destination, const TilePlace& tile, DirectPixels& source,
                         DirectPixels& target) {
    if (bevelMeans != BevelMeans::Automatic)
        return false;
    const HBITMAP canvas = static_cast<HBITMAP>(GetCurrentObject(destination, OBJ_BITMAP));
    if (!DescribeSection(picture, source) || !DescribeSection(canvas, target) ||
        !PictureBitmap::KnownRowOrder(picture, source.bottomUp) ||
        !PictureBitmap::KnownRowOrder(canvas, target.bottomUp))
        return false;
    if (!source.Holds(tile.sourceX, tile.sourceY, tile.width, tile.height) ||
        !target.Holds(tile.destinationX, tile.destinationY, tile.width, tile.height) ||
        !MapsPixelsOneToOne(destination, target))
        return false;
    GdiFlush();  // the bits must hold every drawing queued so far
    return true;
}

// The interior as BitBlt copies it between two sections of one format: the
// bytes of each row as they are.
void CopyInteriorThroughBits(const DirectPixels& source, const DirectPixels& target, const TilePlace& tile) {
    const size_t rowBytes = static_cast<size_t>((tile.width - 2) * source.bytesPerPixel);
    for (int32_t y = 1; y < tile.height - 1; ++y)
        std::memcpy(target.At(tile.destinationX + 1, tile.destinationY + y),
                    source.At(tile.sourceX + 1, tile.sourceY + y), rowBytes);
}

// The two colour rules for every channel value, worked out once.
struct ChannelTable {
    uint8_t value[256];
};

ChannelTable MakeTable(uint8_t (*rule)(uint8_t)) {
    ChannelTable table = {};
    for (int32_t v = 0; v < 256; ++v)
        table.value[v] = rule(static_cast<uint8_t>(v));
    return table;
}

const ChannelTable& RuleTable(bool lightened) {
    static const ChannelTable lighten = MakeTable(LightenChannel);
    static const ChannelTable darken = MakeTable(DarkenChannel);
    return lightened ? lighten : darken;
}

// Bytes from one pixel of an edge to the next.
int32_t MemoryStep(const DirectPixels& pixels, const Edge& edge) {
    const int32_t rowStep = pixels.bottomUp ? -pixels.stride : pixels.stride;
    return edge.stepX * pixels.bytesPerPixel + edge.stepY * rowStep;
}

void DrawBevelThroughBits(const DirectPixels& source, const DirectPixels& target, const TilePlace& tile) {
    Edge edges[4];
    BevelEdges(tile, edges);
    const bool clearsFourthByte = target.bytesPerPixel == 4;
    for (const Edge& edge : edges) {
        const uint8_t* rule = RuleTable(edge.lightened).value;
        const uint8_t* from = source.At(tile.sourceX + edge.offsetX, tile.sourceY + edge.offsetY);
        uint8_t* to = target.At(tile.destinationX + edge.offsetX, tile.destinationY + edge.offsetY);
        const int32_t fromStep = MemoryStep(source, edge);
        const int32_t toStep = MemoryStep(target, edge);
        for (int32_t i = 0; i < edge.length; ++i, from += fromStep, to += toStep) {
            to[0] = rule[from[0]];
            to[1] = rule[from[1]];
            to[2] = rule[from[2]];
            if (clearsFourthByte)
                to[3] = 0;  // as SetPixel leaves it
        }
    }
}

void DrawBevelPerPixel(HDC sourceDc, HDC destination, const TilePlace& tile) {
    Edge edges[4];
    BevelEdges(tile, edges);
    for (const Edge& edge : edges) {
        for (int32_t i = 0; i < edge.length; ++i) {
            const int32_t x = edge.offsetX + i * edge.stepX;
            const int32_t y = edge.offsetY + i * edge.stepY;
            const COLORREF colour = GetPixel(sourceDc, tile.sourceX + x, tile.sourceY + y);
            SetPixel(destination, tile.destinationX + x, tile.destinationY + y,
                     edge.lightened ? LightenColour(colour) : DarkenColour(colour));
        }
    }
}

}  // namespace

void SetBevelMeans(BevelMeans means) {
    bevelMeans = means;
}

PictureBitmap::PictureBitmap()
    : bitmap(nullptr), width(0), height(0), rowsKnown(false), bottomUp(true), nextAlive(firstAlive) {
    firstAlive = this;
}

PictureBitmap::~PictureBitmap() {
    Release();
    for (PictureBitmap** link = &firstAlive; *link; link = &(*link)->nextAlive)
        if (*link == this) {
            *link = nextAlive;
            break;
        }
}

bool PictureBitmap::KnownRowOrder(HBITMAP held, bool& storedBottomUp) {
    for (const PictureBitmap* picture = firstAlive; picture; picture = picture->nextAlive)
        if (held && picture->bitmap == held) {
            storedBottomUp = picture->bottomUp;
            return picture->rowsKnown;
        }
    return false;
}

int PictureBitmap::Load(HINSTANCE instance, const char* path) {
    Release();
    if (!path || !PictureFileFitsItsHeader(path))
        return 0;
    return Attach(static_cast<HBITMAP>(LoadImageA(instance, path, IMAGE_BITMAP, 0, 0, LOAD_FLAGS)));
}

int PictureBitmap::LoadFitted(HINSTANCE instance, const char* path, const PictureFit& fit) {
    Release();
    PictureHeader header = {};
    if (!path || !ReadPictureFileHeader(path, header))
        return 0;
    const ShownSize shown = ShownSizeOf(header, fit);
    if (header.format == PictureFormat::Bmp && shown.width == header.width && shown.height == header.height)
        return Load(instance, path);
    return AttachStored(MakeShownPicture(instance, path, header, shown), false);
}

int PictureBitmap::Attach(HBITMAP newBitmap) {
    DirectPixels pixels;
    const bool found = DescribeSection(newBitmap, pixels) && FindRowOrder(newBitmap, pixels);
    const int taken = AttachStored(newBitmap, pixels.bottomUp);
    rowsKnown = taken && found;
    return taken;
}

int PictureBitmap::AttachStored(HBITMAP newBitmap, bool storedBottomUp) {
    Release();
    if (!newBitmap)
        return 0;
    bitmap = newBitmap;
    BITMAP description = {};
    GetObjectA(bitmap, sizeof description, &description);
    // A size that is not positive would give negative cells: not a picture.
    if (description.bmWidth <= 0 || description.bmHeight <= 0) {
        Release();
        return 0;
    }
    width = description.bmWidth;
    height = description.bmHeight;
    rowsKnown = true;
    bottomUp = storedBottomUp;
    return 1;
}

int PictureBitmap::CopyFrom(const PictureBitmap& other) {
    Release();
    DirectPixels from;
    if (!other.rowsKnown || !DescribeSection(other.bitmap, from) || from.bytesPerPixel != 4)
        return 0;
    void* bits = nullptr;
    HBITMAP copy = CreateSection32(from.width, from.height, other.bottomUp, &bits);
    if (!copy)
        return 0;
    GdiFlush();
    std::memcpy(bits, from.bits, static_cast<size_t>(from.stride) * static_cast<size_t>(from.height));
    return AttachStored(copy, other.bottomUp);
}

void PictureBitmap::TakeFrom(PictureBitmap& other) {
    Release();
    bitmap = other.bitmap;
    width = other.width;
    height = other.height;
    rowsKnown = other.rowsKnown;
    bottomUp = other.bottomUp;
    other.bitmap = nullptr;
    other.rowsKnown = false;
}

void PictureBitmap::Release() {
    if (bitmap) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
    rowsKnown = false;
}

void PictureBitmap::UseScreenFormat() {
    DirectPixels pixels;
    if (!DescribeSection(bitmap, pixels) || pixels.bytesPerPixel != 3)
        return;
    void* bits = nullptr;
    const HBITMAP copy = CopyToSection32(bitmap, width, height, true, &bits);
    if (copy)
        AttachStored(copy, true);
}

bool PictureBitmap::DrawsBevelThroughBits(HDC destination) const {
    // A tile at the origin as large as both bitmaps allow.
    DirectPixels target = {};
    DescribeSection(static_cast<HBITMAP>(GetCurrentObject(destination, OBJ_BITMAP)), target);
    const TilePlace tile = {
        0, 0, 0, 0, width < target.width ? width : target.width, height < target.height ? height : target.height};
    DirectPixels source;
    return bitmap && PrepareDirectAccess(bitmap, destination, tile, source, target);
}

void PictureBitmap::DrawTile(HDC destination, int32_t destinationX, int32_t destinationY, int32_t sourceX,
                             int32_t sourceY, int32_t tileWidth, int32_t tileHeight) const {
    if (!bitmap || tileWidth <= 0 || tileHeight <= 0)
        return;
    const TilePlace tile = {destinationX, destinationY, sourceX, sourceY, tileWidth, tileHeight};
    const bool bevelled = tileWidth >= 2 && tileHeight >= 2;
    DirectPixels source;
    DirectPixels target;
    const bool direct = bevelled && PrepareDirectAccess(bitmap, destination, tile, source, target);
    if (direct && source.bytesPerPixel == target.bytesPerPixel) {
        // One format on both sides: the whole tile goes through the bits.
        CopyInteriorThroughBits(source, target, tile);
        DrawBevelThroughBits(source, target, tile);
        return;
    }

    HDC sourceDc = CreateCompatibleDC(destination);
    const HGDIOBJ previous = SelectObject(sourceDc, bitmap);
    if (!bevelled) {
        // No room for an interior: the tile is copied as it is, without bevel.
        BitBlt(destination, destinationX, destinationY, tileWidth, tileHeight, sourceDc, sourceX, sourceY, SRCCOPY);
    } else {
        BitBlt(destination, destinationX + 1, destinationY + 1, tileWidth - 2, tileHeight - 2, sourceDc, sourceX + 1,
               sourceY + 1, SRCCOPY);
        if (direct) {
            GdiFlush();  // the interior copy must be in the bits first
            DrawBevelThroughBits(source, target, tile);
        } else {
            DrawBevelPerPixel(sourceDc, destination, tile);
        }
    }
    SelectObject(sourceDc, previous);
    DeleteDC(sourceDc);
}
