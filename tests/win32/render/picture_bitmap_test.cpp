// PictureBitmap: what a load, a failed load, an attach and a release leave
// behind, and the independence of the two process-wide pictures.
#include "render_support.h"

#include "app/process_state.h"
#include "render/picture_bitmap.h"

namespace {

using PictureLoading = RenderTest;

bool IsLiveBitmap(HBITMAP bitmap) {
    return bitmap && GetObjectType(bitmap) == OBJ_BITMAP;
}

TEST_F(PictureLoading, LoadKeepsTheFilesSizeDepthAndPixels) {
    for (const int32_t bits : {1, 4, 8, 16, 24, 32}) {
        PictureBitmap picture;
        const std::string path = WritePicture(BitmapLayout{23, 17, bits, PatternPixel});
        ASSERT_EQ(picture.Load(moduleHandle, path.c_str()), 1);
        EXPECT_EQ(picture.Width(), 23);
        EXPECT_EQ(picture.Height(), 17);
        EXPECT_EQ(SectionBitsPerPixel(picture.Bitmap()), bits);
        const Pixels pixels = ReadBitmap(picture.Bitmap());
        for (int32_t y = 0; y < 17; ++y)
            for (int32_t x = 0; x < 23; ++x)
                ASSERT_EQ(pixels.At(x, y), StoredColour(PatternPixel(x, y), bits))
                    << bits << " bits, " << x << "," << y;
    }
}

TEST_F(PictureLoading, AFailedLoadGivesZeroDeletesTheBitmapAndKeepsTheOldSize) {
    const std::string good = WritePicture(BitmapLayout{40, 30, 24, PatternPixel}, "good.bmp");
    const std::string text = folder.File("words.bmp");
    const std::string empty = folder.File("empty.bmp");
    ASSERT_TRUE(WriteTextFile(text) && WriteFileBytes(empty, ""));
    const std::string zeroWidth = WritePicture(BitmapLayout{0, 30, 24, PatternPixel}, "zero.bmp");
    const std::string missing = folder.File("nowhere.bmp");
    for (const char* path : {static_cast<const char*>(nullptr), missing.c_str(), text.c_str(), empty.c_str(),
                             zeroWidth.c_str()}) {
        const char* name = path ? path : "null";
        PictureBitmap picture;
        EXPECT_EQ(picture.Load(moduleHandle, path), 0) << name;
        EXPECT_EQ(picture.Width(), 0) << "a fresh object stays at zero size: " << name;
        ASSERT_EQ(picture.Load(moduleHandle, good.c_str()), 1);
        const HBITMAP old = picture.Bitmap();
        EXPECT_EQ(picture.Load(moduleHandle, path), 0) << name;
        EXPECT_EQ(picture.Bitmap(), nullptr) << name;
        EXPECT_FALSE(IsLiveBitmap(old)) << "the old bitmap is deleted, not leaked: " << name;
        EXPECT_EQ(picture.Width(), 40) << name;
        EXPECT_EQ(picture.Height(), 30) << name;
    }
}

TEST_F(PictureLoading, TruncatedFileDoesNoHarm) {
    const BitmapLayout layout{30, 20, 24, PatternPixel};
    const size_t fiveRows = static_cast<size_t>(PixelDataOffset(24)) + 30 * 3 * 5;
    for (const size_t kept : {size_t{10}, size_t{40}, fiveRows}) {
        PictureBitmap picture;
        const std::string path = folder.File("cut" + std::to_string(kept) + ".bmp");
        ASSERT_TRUE(WriteTruncatedBitmapFile(path, layout, kept));
        if (picture.Load(moduleHandle, path.c_str()) == 1) {
            // Wine loads it with the missing rows black; size and bitmap agree.
            EXPECT_EQ(picture.Width(), 30);
            EXPECT_EQ(picture.Height(), 20);
            EXPECT_EQ(ReadBitmap(picture.Bitmap()).values.size(), 600u);
        } else {
            EXPECT_EQ(picture.Bitmap(), nullptr);
            EXPECT_EQ(picture.Width(), 0);
        }
    }
}

TEST_F(PictureLoading, ASecondLoadReleaseAndTheDestructorEachDeleteTheBitmap) {
    const std::string first = WritePicture(BitmapLayout{40, 30, 24, PatternPixel}, "first.bmp");
    const std::string second = WritePicture(BitmapLayout{20, 10, 8, PatternPixel}, "second.bmp");
    HBITMAP secondBitmap;
    {
        PictureBitmap picture;
        ASSERT_EQ(picture.Load(moduleHandle, first.c_str()), 1);
        const HBITMAP firstBitmap = picture.Bitmap();
        ASSERT_EQ(picture.Load(moduleHandle, second.c_str()), 1);
        EXPECT_FALSE(IsLiveBitmap(firstBitmap));
        EXPECT_EQ(picture.Width(), 20);
        EXPECT_EQ(picture.Height(), 10);
        picture.Release();
        EXPECT_EQ(picture.Bitmap(), nullptr);
        EXPECT_EQ(picture.Width(), 20) << "a release keeps the size";
        ASSERT_EQ(picture.Load(moduleHandle, second.c_str()), 1);
        secondBitmap = picture.Bitmap();
        EXPECT_TRUE(IsLiveBitmap(secondBitmap));
    }
    EXPECT_FALSE(IsLiveBitmap(secondBitmap));
}

TEST_F(PictureLoading, AttachTakesABitmapAndRefusesNullOrOneWithoutPositiveSize) {
    PictureBitmap picture;
    const HBITMAP section = CreateBlackSection(12, 7);
    ASSERT_EQ(picture.Attach(section), 1);
    EXPECT_EQ(picture.Bitmap(), section);
    EXPECT_EQ(picture.Width(), 12);
    EXPECT_EQ(picture.Height(), 7);
    EXPECT_EQ(picture.Attach(nullptr), 0);
    EXPECT_FALSE(IsLiveBitmap(section));
    ASSERT_EQ(picture.Attach(CreateBlackSection(12, 7)), 1);
    HBITMAP gone = CreateBlackSection(50, 50);
    DeleteObject(gone);  // the system reports no size for it any more
    EXPECT_EQ(picture.Attach(gone), 0);
    EXPECT_EQ(picture.Bitmap(), nullptr);
    EXPECT_EQ(picture.Width(), 12);
    EXPECT_EQ(picture.Height(), 7);
}

TEST_F(PictureLoading, SourceAndCanvasAreIndependentCopies) {
    LoadBoth(BitmapLayout{60, 45, 24, PatternPixel});
    ASSERT_NE(sourcePicture.Bitmap(), canvasPicture.Bitmap());
    const std::string sourceBefore = SectionBytes(sourcePicture.Bitmap());
    EXPECT_EQ(SectionBytes(canvasPicture.Bitmap()), sourceBefore);
    {
        SelectedBitmap canvas(canvasPicture.Bitmap());
        const RECT all = {0, 0, 60, 45};
        FillRect(canvas.Dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        sourcePicture.DrawTile(canvas.Dc(), 0, 0, 15, 15, 15, 15);
    }
    EXPECT_EQ(SectionBytes(sourcePicture.Bitmap()), sourceBefore);
    EXPECT_NE(SectionBytes(canvasPicture.Bitmap()), sourceBefore);
}

}  // namespace
