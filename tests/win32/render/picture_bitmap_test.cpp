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

TEST_F(PictureLoading, FreshObjectIsEmpty) {
    PictureBitmap picture;
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_EQ(picture.Height(), 0);
    EXPECT_EQ(picture.Bitmap(), nullptr);
    picture.Release();  // nothing to release: harmless
    EXPECT_EQ(picture.Bitmap(), nullptr);
}

TEST_F(PictureLoading, LoadKeepsTheFilesSizeAndDepth) {
    for (const int32_t bits : {1, 4, 8, 16, 24, 32}) {
        PictureBitmap picture;
        const std::string path = WritePicture(BitmapSpec{37, 21, bits, PatternPixel});
        ASSERT_EQ(picture.Load(moduleHandle, path.c_str()), 1) << bits << " bits";
        EXPECT_EQ(picture.Width(), 37);
        EXPECT_EQ(picture.Height(), 21);
        EXPECT_EQ(SectionBitsPerPixel(picture.Bitmap()), bits);
    }
}

TEST_F(PictureLoading, LoadedPixelsAreTheFilesPixels) {
    for (const int32_t bits : {1, 4, 8, 16, 24, 32}) {
        PictureBitmap picture;
        const std::string path = WritePicture(BitmapSpec{23, 17, bits, PatternPixel});
        ASSERT_EQ(picture.Load(moduleHandle, path.c_str()), 1);
        const Pixels pixels = ReadBitmap(picture.Bitmap());
        for (int32_t y = 0; y < 17; ++y)
            for (int32_t x = 0; x < 23; ++x)
                ASSERT_EQ(pixels.At(x, y), StoredColour(PatternPixel(x, y), bits))
                    << bits << " bits at " << x << "," << y;
    }
}

class FailedLoad : public RenderTest {
protected:
    // A loaded picture of 40 x 30, then a load that must fail.
    void ExpectFailureKeepsOldSize(const char* path) {
        PictureBitmap picture;
        const std::string good = WritePicture(BitmapSpec{40, 30, 24, PatternPixel}, "good.bmp");
        ASSERT_EQ(picture.Load(moduleHandle, good.c_str()), 1);
        const HBITMAP old = picture.Bitmap();
        EXPECT_EQ(picture.Load(moduleHandle, path), 0);
        EXPECT_EQ(picture.Bitmap(), nullptr);
        EXPECT_FALSE(IsLiveBitmap(old)) << "the old bitmap is deleted, not leaked";
        EXPECT_EQ(picture.Width(), 40);
        EXPECT_EQ(picture.Height(), 30);
    }
};

TEST_F(FailedLoad, NullPath) {
    ExpectFailureKeepsOldSize(nullptr);
}

TEST_F(FailedLoad, MissingFile) {
    ExpectFailureKeepsOldSize(folder.File("nowhere.bmp").c_str());
}

TEST_F(FailedLoad, TextFile) {
    const std::string path = folder.File("words.bmp");
    ASSERT_TRUE(WriteTextFile(path));
    ExpectFailureKeepsOldSize(path.c_str());
}

TEST_F(FailedLoad, EmptyFile) {
    const std::string path = folder.File("empty.bmp");
    ASSERT_TRUE(WriteFileBytes(path, ""));
    ExpectFailureKeepsOldSize(path.c_str());
}

TEST_F(FailedLoad, ZeroWidthHeader) {
    const std::string path = WritePicture(BitmapSpec{0, 30, 24, PatternPixel}, "zero.bmp");
    ExpectFailureKeepsOldSize(path.c_str());
}

TEST_F(FailedLoad, FreshObjectStaysAtZeroSize) {
    PictureBitmap picture;
    EXPECT_EQ(picture.Load(moduleHandle, folder.File("nowhere.bmp").c_str()), 0);
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_EQ(picture.Height(), 0);
}

TEST_F(PictureLoading, TruncatedFileDoesNoHarm) {
    const BitmapSpec spec{30, 20, 24, PatternPixel};
    const size_t cuts[] = {10, 40, static_cast<size_t>(PixelDataOffset(24)) + 30 * 3 * 5};
    for (const size_t kept : cuts) {
        PictureBitmap picture;
        const std::string path = folder.File("cut" + std::to_string(kept) + ".bmp");
        ASSERT_TRUE(WriteTruncatedBitmapFile(path, spec, kept));
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

TEST_F(PictureLoading, TwoLoadsLeaveOnlyTheSecondBitmap) {
    PictureBitmap picture;
    const std::string first = WritePicture(BitmapSpec{40, 30, 24, PatternPixel}, "first.bmp");
    const std::string second = WritePicture(BitmapSpec{20, 10, 8, PatternPixel}, "second.bmp");
    ASSERT_EQ(picture.Load(moduleHandle, first.c_str()), 1);
    const HBITMAP firstBitmap = picture.Bitmap();
    ASSERT_EQ(picture.Load(moduleHandle, second.c_str()), 1);
    EXPECT_FALSE(IsLiveBitmap(firstBitmap));
    EXPECT_TRUE(IsLiveBitmap(picture.Bitmap()));
    EXPECT_EQ(picture.Width(), 20);
    EXPECT_EQ(picture.Height(), 10);
}

TEST_F(PictureLoading, ReleaseDeletesTheBitmapAndKeepsTheSize) {
    PictureBitmap picture;
    const std::string path = WritePicture(BitmapSpec{40, 30, 24, PatternPixel});
    ASSERT_EQ(picture.Load(moduleHandle, path.c_str()), 1);
    const HBITMAP bitmap = picture.Bitmap();
    picture.Release();
    EXPECT_FALSE(IsLiveBitmap(bitmap));
    EXPECT_EQ(picture.Bitmap(), nullptr);
    EXPECT_EQ(picture.Width(), 40);
    EXPECT_EQ(picture.Height(), 30);
}

TEST_F(PictureLoading, DestructorDeletesTheBitmap) {
    HBITMAP bitmap;
    {
        PictureBitmap picture;
        const std::string path = WritePicture(BitmapSpec{8, 8, 24, PatternPixel});
        ASSERT_EQ(picture.Load(moduleHandle, path.c_str()), 1);
        bitmap = picture.Bitmap();
    }
    EXPECT_FALSE(IsLiveBitmap(bitmap));
}

TEST_F(PictureLoading, AttachTakesABitmapAndRefusesNull) {
    PictureBitmap picture;
    HBITMAP section = CreateBlackSection(12, 7);
    ASSERT_EQ(picture.Attach(section), 1);
    EXPECT_EQ(picture.Bitmap(), section);
    EXPECT_EQ(picture.Width(), 12);
    EXPECT_EQ(picture.Height(), 7);
    EXPECT_EQ(picture.Attach(nullptr), 0);
    EXPECT_FALSE(IsLiveBitmap(section));
    EXPECT_EQ(picture.Width(), 12);
}

TEST_F(PictureLoading, AttachOfAHandleWithoutPositiveSizeIsAFailedLoad) {
    PictureBitmap picture;
    ASSERT_EQ(picture.Attach(CreateBlackSection(12, 7)), 1);
    HBITMAP gone = CreateBlackSection(50, 50);
    DeleteObject(gone);  // the system reports no size for it any more
    EXPECT_EQ(picture.Attach(gone), 0);
    EXPECT_EQ(picture.Bitmap(), nullptr);
    EXPECT_EQ(picture.Width(), 12);
    EXPECT_EQ(picture.Height(), 7);
}

TEST_F(PictureLoading, SourceAndCanvasAreIndependentCopies) {
    LoadBoth(BitmapSpec{60, 45, 24, PatternPixel});
    ASSERT_NE(sourcePicture.Bitmap(), canvasPicture.Bitmap());
    EXPECT_EQ(sourcePicture.Width(), canvasPicture.Width());
    EXPECT_EQ(sourcePicture.Height(), canvasPicture.Height());
    EXPECT_EQ(SectionBitsPerPixel(sourcePicture.Bitmap()), SectionBitsPerPixel(canvasPicture.Bitmap()));

    const std::string sourceBefore = SectionBytes(sourcePicture.Bitmap());
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
