// The whole start-up in-process when it must refuse: with no picture beside
// the executable, and with pictures of which none loads, RunApplication shows
// its error box in Polish, ends with 0 and leaves no registry key.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/application.h"
#include "app/main_window.h"
#include "app/process_state.h"
#include "game_window.h"
#include "support/bitmap_files.h"

namespace {

struct SeenBox {
    int count = 0;
    std::wstring caption;
    std::wstring text;
    bool gameWindowBeside = false;
};
SeenBox seenBox;

// The message box keeps its text in a static control with id 0xFFFF.
void CALLBACK ReadAndCloseErrorBox(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = FindWindowW(L"#32770", nullptr);
    if (!box)
        return;
    // No game window, not even a hidden one, stays beside the box.
    seenBox.gameWindowBeside = FindWindowA(MAIN_CLASS_NAME, nullptr) != nullptr;
    wchar_t text[256] = {};
    GetWindowTextW(box, text, 256);
    seenBox.caption = text;
    GetDlgItemTextW(box, 0xFFFF, text, 256);
    seenBox.text = text;
    ++seenBox.count;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

std::string ExecutableDirectory() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory = path;
    return directory.substr(0, directory.rfind('\\') + 1);
}

bool AnyCataloguePictureLoads() {
    ScanPictures();
    bool loads = false;
    for (int32_t i = 0; i < PictureCount() && !loads; ++i) {
        PictureBitmap probe;
        loads = probe.Load(GetModuleHandleA(nullptr), PicturePath(i)) == 1;
    }
    return loads;
}

class RefusedStartUp : public ::testing::Test {
protected:
    void SetUp() override {
        seenBox = SeenBox();
        DeleteRegistryTree(HKEY_CURRENT_USER, MAKER_KEY);
        gameState = DEFAULT_GAME_STATE;
    }
    void TearDown() override {
        if (!brokenPicture.empty())
            DeleteFileA(brokenPicture.c_str());
        EmptyCatalogue();
        MSG message;
        while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        gameState = DEFAULT_GAME_STATE;
        mainWindow = nullptr;
    }

    int Run() {
        EmptyCatalogue();
        const UINT_PTR timer = SetTimer(nullptr, 0, 100, ReadAndCloseErrorBox);
        const int exitCode = RunApplication(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOW);
        KillTimer(nullptr, timer);
        return exitCode;
    }

    void ExpectTheErrorBox() {
        EXPECT_EQ(seenBox.count, 1);
        EXPECT_FALSE(seenBox.gameWindowBeside);
        EXPECT_EQ(seenBox.caption, L"B\u0142\u0105d");
        EXPECT_EQ(seenBox.text, L"Nie mog\u0119 znale\u017a\u0107 \u017cadnej bitmapy puzli");
        EXPECT_FALSE(RegistryKeyExists(MAKER_KEY));
        EXPECT_EQ(FindWindowA(MAIN_CLASS_NAME, nullptr), nullptr);
    }

    std::string brokenPicture;
};

TEST_F(RefusedStartUp, WithoutAnyPictureTheErrorBoxShowsAndTheExitCodeIsZero) {
    ScanPictures();
    if (PictureCount() != 0)
        GTEST_SKIP() << "pictures lie beside the test executable";
    EXPECT_EQ(Run(), 0);
    ExpectTheErrorBox();
}

TEST_F(RefusedStartUp, WhenNoPictureLoadsTheErrorBoxShowsAndNothingIsStored) {
    brokenPicture = ExecutableDirectory() + "PuzzleAppTestBroken.bmp";
    ASSERT_TRUE(WriteTextFile(brokenPicture));
    const bool loads = AnyCataloguePictureLoads();
    EmptyCatalogue();
    if (loads)
        GTEST_SKIP() << "a loadable picture lies beside the test executable";
    EXPECT_EQ(Run(), 0);
    ExpectTheErrorBox();
    WNDCLASSEXA unused = {};
    unused.cbSize = sizeof unused;
    EXPECT_FALSE(GetClassInfoExA(GetModuleHandleA(nullptr), MAIN_CLASS_NAME, &unused));
}

}  // namespace
