// Damaged and odd picture files through PictureBitmap::Load and the system's
// loader: every file is either loaded at its size or refused, and none ends
// the process. The damaged ones are the kinds that fault inside the loader
// when handed to it unchecked.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "render/picture_bitmap.h"
#include "tools/bitmaps/bitmap_file.h"

namespace {

using Damage = std::function<void(std::string&)>;

const Damage AS_WRITTEN = [](std::string&) {};

Damage KeepFirst(size_t bytes) {
    return [bytes](std::string& file) { file.resize(bytes); };
}

Damage ShortBy(size_t bytes) {
    return [bytes](std::string& file) { file.resize(file.size() - bytes); };
}

Damage SetField(size_t at, uint32_t value) {
    return [at, value](std::string& file) {
        for (size_t i = 0; i < 4; ++i)
            file[at + i] = static_cast<char>(value >> 8 * i);
    };
}

BitmapLayout Layout(int32_t width, int32_t height, int32_t bits, int32_t headerSize = 40,
                    bool runLength = false, int32_t declaredColours = -1) {
    BitmapLayout layout{width, height, bits, PatternPixel};
    layout.headerSize = headerSize;
    layout.runLength = runLength;
    layout.declaredColours = declaredColours;
    return layout;
}

struct PictureFile {
    const char* what;
    BitmapLayout layout;
    Damage damage;
    bool loads;
};

TEST(DamagedPictures, EachFileIsLoadedAtItsSizeOrRefusedAndNoneFaults) {
    const BitmapLayout picture = Layout(120, 90, 24);  // 32454 bytes, in 8 pages
    BitmapLayout topDown = picture;
    topDown.topDown = true;
    const PictureFile files[] = {
        {"core header, 4 bits", Layout(37, 21, 4, 12), AS_WRITTEN, true},
        {"core header, 24 bits", Layout(37, 21, 24, 12), AS_WRITTEN, true},
        {"RLE8", Layout(37, 21, 8, 40, true), AS_WRITTEN, true},
        {"RLE4", Layout(37, 21, 4, 40, true), AS_WRITTEN, true},
        {"V4 header", Layout(37, 21, 24, 108), AS_WRITTEN, true},
        {"V5 header", Layout(37, 21, 8, 124), AS_WRITTEN, true},
        {"top-down", topDown, AS_WRITTEN, true},
        {"256 colours declared at 1 bit", Layout(37, 21, 1, 40, false, 256), AS_WRITTEN, true},
        {"1000 colours declared, pixels after the table", Layout(37, 21, 8, 40, false, 1000),
         SetField(10, 0), true},
        {"300 bytes short, within the last page", picture, ShortBy(300), true},
        {"1 x 1 cut inside its header", Layout(1, 1, 24), KeepFirst(50), true},
        {"cut after 40 bytes", picture, KeepFirst(40), false},
        {"half its pixels", picture, KeepFirst(54 + 32400 / 2), false},
        {"4096 bytes short", picture, ShortBy(4096), false},
        {"its last page short", picture, KeepFirst(28672), false},
        {"pixel offset past the end", picture, SetField(10, 40000), false},
        {"pixel offset in the file header", Layout(37, 21, 24), SetField(10, 5), false},
        {"60000 rows declared", Layout(1, 1, 24), SetField(22, 60000), false},
        {"RLE8 cut in its last page", Layout(120, 90, 8, 40, true), KeepFirst(4096), false},
        {"empty", picture, KeepFirst(0), false},
    };
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "PuzzleDamaged.bmp";
    for (const PictureFile& file : files) {
        std::string bytes = BitmapFileBytes(file.layout);
        file.damage(bytes);
        ASSERT_TRUE(WriteBytes(path, bytes)) << file.what;
        PictureBitmap loaded;
        const int loads = loaded.Load(GetModuleHandleA(nullptr), path.c_str());
        EXPECT_EQ(loads, file.loads ? 1 : 0) << file.what;
        EXPECT_EQ(loaded.Width(), file.loads ? file.layout.width : 0) << file.what;
        EXPECT_EQ(loaded.Height(), file.loads ? file.layout.height : 0) << file.what;
    }
    DeleteFileA(path.c_str());
}

}  // namespace
