// Damaged and odd picture files through PictureBitmap::Load and the system's
// loader, and through LoadFitted, which resamples them (read in place from
// the file, or through the loader): each is loaded at its size or refused
// alike, and none ends the process.
// The damaged ones fault inside the loader when handed to it unchecked; one
// that holds what its header declares can still be refused by the loader.
#include <gtest/gtest.h>

#include <string>

#include "render/picture_bitmap.h"
#include "support/test_support.h"

namespace {

BitmapLayout Layout(int32_t width, int32_t height, int32_t bits, int32_t headerSize = 40, bool runLength = false,
                    int32_t declaredColours = -1, bool topDown = false) {
    BitmapLayout layout{width, height, bits, PatternPixel, topDown};
    layout.headerSize = headerSize;
    layout.runLength = runLength;
    layout.declaredColours = declaredColours;
    return layout;
}

constexpr size_t WHOLE = SIZE_MAX;
constexpr size_t NO_FIELD = 0;

TEST(DamagedPictures, EachFileIsLoadedAtItsSizeOrRefusedAndNoneFaults) {
    const BitmapLayout picture = Layout(120, 90, 24);  // 32454 bytes: 8 pages, the last 314 short
    const struct {
        const char* what;
        BitmapLayout layout;
        size_t kept;   // the file's first bytes kept
        size_t field;  // a 32-bit field set to value
        uint32_t value;
        bool loads;
    } files[] = {{"core header, 4 bits", Layout(37, 21, 4, 12), WHOLE, NO_FIELD, 0, true},
                 {"core header, 24 bits", Layout(37, 21, 24, 12), WHOLE, NO_FIELD, 0, true},
                 {"RLE8", Layout(37, 21, 8, 40, true), WHOLE, NO_FIELD, 0, true},
                 {"RLE4", Layout(37, 21, 4, 40, true), WHOLE, NO_FIELD, 0, true},
                 {"V4 header", Layout(37, 21, 24, 108), WHOLE, NO_FIELD, 0, true},
                 {"V5 header", Layout(37, 21, 8, 124), WHOLE, NO_FIELD, 0, true},
                 {"top-down", Layout(120, 90, 24, 40, false, -1, true), WHOLE, NO_FIELD, 0, true},
                 {"256 colours at 1 bit", Layout(37, 21, 1, 40, false, 256), WHOLE, NO_FIELD, 0, true},
                 {"1000 colours, pixels after 256", Layout(37, 21, 8, 40, false, 1000), WHOLE, 10, 0, true},
                 {"300 bytes short, within the last page", picture, 32154, NO_FIELD, 0, true},
                 {"1 x 1 cut inside its header", Layout(1, 1, 24), 50, NO_FIELD, 0, true},
                 {"its last page short", picture, 28672, NO_FIELD, 0, false},
                 {"pixel offset past the end", picture, WHOLE, 10, 40000, false},
                 {"pixel offset in the file header", Layout(37, 21, 24), WHOLE, 10, 5, false},
                 {"60000 rows declared", Layout(1, 1, 24), WHOLE, 22, 60000, false},
                 {"RLE8 cut in its last page", Layout(120, 90, 8, 40, true), 4096, NO_FIELD, 0, false},
                 {"empty", picture, 0, NO_FIELD, 0, false},
                 {"7 bits a pixel: only the loader refuses it", Layout(37, 21, 24), WHOLE, 28, 7, false}};
    TempDirectory folder;
    const std::string path = folder.File("PuzzleDamaged.bmp");
    for (const auto& file : files) {
        std::string bytes = BitmapFileBytes(file.layout).substr(0, file.kept);
        for (size_t i = 0; file.field != NO_FIELD && i < 4; ++i)
            bytes[file.field + i] = static_cast<char>(file.value >> 8 * i);
        ASSERT_TRUE(WriteBytes(path, bytes)) << file.what;
        PictureBitmap loaded;
        const int result = loaded.Load(GetModuleHandleA(nullptr), path.c_str());
        EXPECT_EQ(result, file.loads ? 1 : 0) << file.what;
        EXPECT_EQ(loaded.Width(), file.loads ? file.layout.width : 0) << file.what;
        EXPECT_EQ(loaded.Height(), file.loads ? file.layout.height : 0) << file.what;
        PictureBitmap fitted;
        const int32_t halfWidth = file.layout.width / 2 > 0 ? file.layout.width / 2 : 1;
        const PictureFit half = {96, halfWidth, file.layout.height, 1};
        EXPECT_EQ(fitted.LoadFitted(GetModuleHandleA(nullptr), path.c_str(), half), result) << file.what;
        EXPECT_EQ(fitted.Width(), file.loads ? halfWidth : 0) << file.what;
    }
}

}  // namespace
