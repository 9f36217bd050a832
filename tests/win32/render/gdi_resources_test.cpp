// Drawing leaves no GDI object behind and no bitmap selected: the handle
// table is bounded, so the number of objects that can still be created before
// and after thousands of paints and slides shows any leak, however small.
#include "render_support.h"

#include "app/process_state.h"
#include "game/game_state.h"
#include "render/board_painter.h"
#include "render/slide_animation.h"
#include "support/gdi_handles.h"

namespace {

class GdiResources : public RenderTest, public ::testing::WithParamInterface<int32_t> {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        LoadBoth(BitmapLayout{100, 100, GetParam(), PatternPixel});
    }

    // A bitmap selected into a forgotten device context cannot be selected again.
    static bool IsSelectable(HBITMAP bitmap) {
        HDC dc = CreateCompatibleDC(nullptr);
        const HGDIOBJ previous = SelectObject(dc, bitmap);
        SelectObject(dc, previous);
        DeleteDC(dc);
        return previous != nullptr;
    }
};

TEST_P(GdiResources, ThousandsOfPaintsLeaveNothingBehind) {
    SetGrid(5);
    HBITMAP client = CreateBlackSection(100, 100);
    SelectedBitmap clientDc(client);
    PaintBoard(clientDc.Dc());  // anything created once and kept is counted from here
    const int free = FreeGdiHandles();
    ASSERT_GT(free, 1000) << "the probe needs a bounded table to count in";
    RecordProperty("FreeGdiHandles", free);
    // 400 paints create 10400 device contexts: more than a process may hold at once.
    for (int i = 0; i < 400; ++i)
        PaintBoard(clientDc.Dc());
    EXPECT_EQ(FreeGdiHandles(), free);
    EXPECT_TRUE(IsSelectable(sourcePicture.Bitmap()));
    EXPECT_TRUE(IsSelectable(canvasPicture.Bitmap()));
}

using SlideResources = GdiResources;

TEST_P(SlideResources, SlidesLeaveNothingBehind) {
    SetGrid(3);
    mainWindow = CreateTestWindow(100, 100);
    ASSERT_NE(mainWindow, nullptr);
    AnimateSlide(2, 1, 2, 2);
    const int free = FreeGdiHandles();
    ASSERT_GT(free, 1000);
    // Each slide creates 11 device contexts and takes the window's once.
    for (int i = 0; i < 20; ++i) {
        AnimateSlide(2, 1, 2, 2);
        AnimateSlide(2, 2, 2, 1);
    }
    EXPECT_EQ(FreeGdiHandles(), free);
    EXPECT_TRUE(IsSelectable(sourcePicture.Bitmap()));
    EXPECT_TRUE(IsSelectable(canvasPicture.Bitmap()));
}

TEST_P(GdiResources, LoadsAndReleasesLeaveNothingBehind) {
    const std::string path = WritePicture(BitmapLayout{30, 30, GetParam(), PatternPixel}, "again.bmp");
    const int free = FreeGdiHandles();
    for (int i = 0; i < 200; ++i) {
        sourcePicture.Load(moduleHandle, path.c_str());
        canvasPicture.Load(moduleHandle, path.c_str());
    }
    sourcePicture.Load(moduleHandle, nullptr);
    canvasPicture.Release();
    // The two pictures loaded by SetUp are gone too.
    EXPECT_EQ(FreeGdiHandles(), free + 2);
}

std::string DepthName(const ::testing::TestParamInfo<int32_t>& info) {
    return std::to_string(info.param) + "Bits";
}

INSTANTIATE_TEST_SUITE_P(Depths, GdiResources, ::testing::Values(8, 24), DepthName);
INSTANTIATE_TEST_SUITE_P(Depth, SlideResources, ::testing::Values(24), DepthName);

}  // namespace
