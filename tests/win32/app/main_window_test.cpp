// The main window: its class, its creation centred for the canvas picture,
// the client area that always holds the whole picture (also when the menu
// bar wraps), the state stored when the session ends, and the messages that
// end the loop.
#include <windows.h>

#include "app/main_window.h"
#include "app/process_state.h"
#include "game/commands.h"
#include "game_window.h"

namespace {

class MainWindow : public GameWindowTest {};

TEST_F(MainWindow, IsAHiddenFixedSizeWindowWithTheTitleAndTheMenu) {
    char title[256];
    GetWindowTextA(mainWindow, title, sizeof title);
    EXPECT_STREQ(title, "Zelvany - Puzzle");
    // The system adds WS_CLIPSIBLINGS to every top-level window.
    const DWORD style = static_cast<DWORD>(GetWindowLongA(mainWindow, GWL_STYLE)) & ~DWORD{WS_CLIPSIBLINGS};
    EXPECT_EQ(style & 0xFFFF0000u, 0x80CA0000u);
    EXPECT_FALSE(IsWindowVisible(mainWindow));
    EXPECT_EQ(GetMenuItemCount(GetMenu(mainWindow)), 3);
    char className[64];
    GetClassNameA(mainWindow, className, sizeof className);
    EXPECT_STREQ(className, "VOLTARI88_PUZZLE");
    EXPECT_EQ(GetClassLongA(mainWindow, GCL_STYLE), static_cast<DWORD>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_NE(GetClassLongPtrA(mainWindow, GCLP_HICON), 0);
}

TEST_F(MainWindow, IsCreatedCentredForTheCanvasAndRefittedFromItsTopLeftCorner) {
    EXPECT_EQ(ClientSize(), Size(400, 400));
    RECT window;
    GetWindowRect(mainWindow, &window);
    EXPECT_EQ(window.left, (GetSystemMetrics(SM_CXSCREEN) - (window.right - window.left)) / 2);
    EXPECT_EQ(window.top, (GetSystemMetrics(SM_CYSCREEN) - (window.bottom - window.top)) / 2);
    UsePicture(AddPicture("Small", 240, 150));
    EXPECT_EQ(ClientSize(), Size(240, 150));
    RECT refitted;
    GetWindowRect(mainWindow, &refitted);
    EXPECT_EQ(refitted.left, window.left);
    EXPECT_EQ(refitted.top, window.top);
}

// At 100 pixels the three menu titles take two lines.
TEST_F(MainWindow, ANarrowPictureStillGetsItsWholeHeightWhenTheMenuWraps) {
    const std::string narrow = AddPicture("Narrow", 100, 80);
    UsePicture(narrow);
    EXPECT_EQ(ClientSize(), Size(100, 80));
    RECT window;
    GetWindowRect(mainWindow, &window);
    const int oneLineHeight = 80 + GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU) +
                              2 * GetSystemMetrics(SM_CYDLGFRAME);
    EXPECT_GT(window.bottom - window.top, oneLineHeight);  // the menu did wrap
    UsePicture(firstPicture);
    EXPECT_EQ(ClientSize().second, 400);
    GetWindowRect(mainWindow, &window);
    EXPECT_EQ(window.bottom - window.top, 400 + oneLineHeight - 80);

    DestroyWindow(mainWindow);  // and at creation
    canvasPicture.Load(moduleHandle, narrow.c_str());
    mainWindow = CreateMainWindow();
    ASSERT_NE(mainWindow, nullptr);
    EXPECT_EQ(ClientSize(), Size(100, 80));
}

TEST_F(MainWindow, TheEndOfTheSessionStoresTheGame) {
    NewGame(0);
    SendMessageA(mainWindow, WM_ENDSESSION, FALSE, 0);
    EXPECT_FALSE(RegistryKeyExists(STATE_KEY));
    SendMessageA(mainWindow, WM_ENDSESSION, TRUE, 0);
    DWORD type = 0;
    std::string bytes;
    ASSERT_TRUE(ReadStoredValue(type, bytes));
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(bytes, RecordBytes(gameState));
}

TEST_F(MainWindow, DestroyingTheWindowEndsTheLoop) {
    DestroyWindow(mainWindow);
    mainWindow = nullptr;
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 0u);
}

}  // namespace
