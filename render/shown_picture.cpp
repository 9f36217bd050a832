// Pictures as they are shown: a BMP through the system's loader, the other
// formats through the imaging component, each resampled by area to the size
// it is shown at and turned upright.
#include "render/shown_picture.h"

#include <cstdlib>
#include <memory>

#include "render/area_scale.h"
#include "render/direct_pixels.h"
#include "render/orientation.h"
#include "render/picture_decoder.h"
#include "render/picture_file.h"

namespace {

constexpr UINT LOAD_FLAGS = LR_LOADFROMFILE | LR_CREATEDIBSECTION;

using PixelBlock = std::unique_ptr<uint8_t[], decltype(&std::free)>;

// The picture's stored pixels, top down, and what holds them.
struct SourcePixels {
    PixelRows rows;
    HBITMAP section;   // a loaded BMP, or null
    PixelBlock block;  // decoded pixels, or null
    const void* view;  // a mapped BMP file, or null
};

// A BMP's rows: in place in the file where its pixels are bytes B, G, R, as
// the loader would hold them; otherwise (colour tables, 16 bits, bit fields,
// run lengths) loaded, and copied through GDI into a top-down 32-bit section.
bool LoadBmpPixels(HINSTANCE instance, const char* path, SourcePixels& source) {
    if (MapPlainBmpRows(path, source.view, source.rows))
        return true;
    if (!PictureFileFitsItsHeader(path))
        return false;
    HBITMAP loaded = static_cast<HBITMAP>(LoadImageA(instance, path, IMAGE_BITMAP, 0, 0, LOAD_FLAGS));
    BITMAP description = {};
    void* bits = nullptr;
    if (loaded && GetObjectA(loaded, sizeof description, &description))
        source.section = CopyToSection32(loaded, description.bmWidth, description.bmHeight, false, &bits);
    if (loaded)
        DeleteObject(loaded);
    source.rows = {static_cast<uint8_t*>(bits), description.bmWidth * 4, 4, description.bmWidth, description.bmHeight};
    return source.section != nullptr;
}

bool DecodedPixels(const char* path, SourcePixels& source) {
    DecodedPicture decoded = {};
    if (!DecodeWithImagingComponent(path, decoded))
        return false;
    source.block.reset(decoded.bits);
    source.rows = {decoded.bits, decoded.width * 4, 4, decoded.width, decoded.height};
    return true;
}

bool LoadSourcePixels(HINSTANCE instance, const char* path, PictureFormat format, SourcePixels& source) {
    if (format == PictureFormat::Bmp)
        return LoadBmpPixels(instance, path, source);
    return DecodedPixels(path, source);
}

// Resampled, then turned upright: turning the smaller picture costs less.
bool Resample(const PixelRows& source, const PixelRows& target, int32_t orientation) {
    if (orientation == 1)
        return ScaleByArea(source, target) != 0;
    const int32_t width = TurnsSideways(orientation) ? target.height : target.width;
    const int32_t height = TurnsSideways(orientation) ? target.width : target.height;
    const PixelBlock stored(
        static_cast<uint8_t*>(std::calloc(static_cast<size_t>(width) * 4, static_cast<size_t>(height))), std::free);
    const PixelRows storedRows = {stored.get(), width * 4, 4, width, height};
    if (!stored || !ScaleByArea(source, storedRows))
        return false;
    OrientUpright(storedRows, target, orientation);
    return true;
}

}  // namespace

ShownSize ShownSizeOf(const PictureHeader& header, const PictureFit& fit) {
    const bool turned = TurnsSideways(header.orientation);
    return FitPicture(turned ? header.height : header.width, turned ? header.width : header.height, fit.dpi,
                      fit.maxWidth, fit.maxHeight, fit.minimumSide);
}

ShownSize ShownSizeOfFile(const char* path, const PictureFit& fit) {
    PictureHeader header = {};
    if (!path || !ReadPictureFileHeader(path, header))
        return {0, 0};
    return ShownSizeOf(header, fit);
}

HBITMAP MakeShownPicture(HINSTANCE instance, const char* path, const PictureHeader& header, ShownSize shown) {
    SourcePixels source = {{}, nullptr, PixelBlock(nullptr, std::free), nullptr};
    HBITMAP made = nullptr;
    void* bits = nullptr;
    if (LoadSourcePixels(instance, path, header.format, source))
        made = CreateSection32(shown.width, shown.height, false, &bits);
    const PixelRows target = {static_cast<uint8_t*>(bits), shown.width * 4, 4, shown.width, shown.height};
    if (made && !Resample(source.rows, target, header.orientation)) {
        DeleteObject(made);
        made = nullptr;
    }
    if (source.section)
        DeleteObject(source.section);
    if (source.view)
        UnmapViewOfFile(source.view);
    return made;
}
