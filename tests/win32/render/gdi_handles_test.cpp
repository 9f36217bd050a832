// Painting and sliding (the bevel drawn either way), loading pictures and
// holding them in the screen's format, and opening the About box leave no GDI
// object behind.
#include <gtest/gtest.h>

#include <functional>

#include "app/about_dialog.h"
#include "common/resource_ids.h"
#include "render/slide_animation.h"
#include "support/test_support.h"

namespace {

void NoPause(int32_t) {}

TEST(GdiHandles, NoWorkLeavesAnObjectBehind) {
    TempDirectory folder;
    const HINSTANCE module = GetModuleHandleA(nullptr);
    const std::string file = folder.File("picture.bmp");
    ASSERT_TRUE(WriteBitmapFile(file, {100, 100, 24, PatternPixel}));
    PictureBitmap source, canvas;
    ASSERT_EQ(source.Load(module, file.c_str()), 1);
    ASSERT_EQ(canvas.Load(module, file.c_str()), 1);
    Board board = {};
    for (int32_t i = 0; i < 24; ++i)
        CellAt(board, i / 5, i % 5) = i;
    CellAt(board, 4, 4) = EMPTY_CELL;
    const BoardScene scene{board, 5, source, canvas};
    DrawingTarget target({100, 100, 32, PatternPixel});

    const struct {
        const char* name;
        std::function<void()> work;
    } works[] = {
        {"paints",
         [&] {
             for (const BevelMeans means : {BevelMeans::PerPixel, BevelMeans::Automatic}) {
                 SetBevelMeans(means);
                 DrawBoard(target.Dc(), scene);
             }
         }},
        {"slides",
         [&] {
             for (const BevelMeans means : {BevelMeans::PerPixel, BevelMeans::Automatic}) {
                 SetBevelMeans(means);
                 DrawSlide(target.Dc(), scene, TileMove{{4, 3}, {4, 4}}, NoPause);
             }
         }},
        {"loads",
         [&] {
             PictureBitmap picture;
             picture.Load(module, file.c_str());
             picture.UseScreenFormat();  // a 24-bit picture as the game holds it
             picture.Load(module, file.c_str());
             picture.Load(module, folder.File("missing.bmp").c_str());
             picture.Load(module, file.c_str());
             picture.UseScreenFormat();
         }},
        {"About boxes",
         [&] {
             HWND box = CreateDialogParamA(module, MAKEINTRESOURCEA(IDD_ABOUT), nullptr, AboutDialogProc, 0);
             EXPECT_NE(box, nullptr);
             DestroyWindow(box);
         }},
    };
    for (const auto& [name, work] : works) {
        work();  // what the system creates once and keeps is counted from here on
        const int free = FreeGdiHandles();
        ASSERT_GT(free, 1000) << "the probe needs a bounded table to count in";
        for (int i = 0; i < 20; ++i)
            work();
        EXPECT_EQ(FreeGdiHandles(), free) << name;
    }
}

}  // namespace
