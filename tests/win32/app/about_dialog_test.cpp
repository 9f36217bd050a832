// The About box: its link is drawn blue, red only while pressed, opens its
// own text through the shell, and the box closes by every usual means
// without leaving its font behind.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/about_dialog.h"
#include "app/process_state.h"
#include "app/resource_ids.h"
#include "support/gdi_handles.h"

namespace {

std::vector<std::string> openedAddresses;

void RecordAddress(const char* address) {
    openedAddresses.push_back(address);
}

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override {
        moduleHandle = GetModuleHandleA(nullptr);
        previousOpener = SetLinkOpener(RecordAddress);
        openedAddresses.clear();
        dialog = CreateDialogParamA(moduleHandle, MAKEINTRESOURCEA(IDD_ABOUT), nullptr, AboutDialogProc, 0);
        ASSERT_NE(dialog, nullptr);
    }
    void TearDown() override {
        if (dialog)
            DestroyWindow(dialog);
        SetLinkOpener(previousOpener);
    }

    HWND Link() const { return GetDlgItem(dialog, IDC_LINK); }

    std::string LinkText() const {
        char text[256];
        GetWindowTextA(Link(), text, sizeof text);
        return text;
    }

    // Draws the link into a white 300 x 40 bitmap and counts the pixels of
    // the given colour.
    int CountLinkPixels(UINT action, UINT state, COLORREF colour) const {
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 300, 40);
        ReleaseDC(nullptr, screen);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        RECT area = {0, 0, 300, 40};
        FillRect(memory, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.CtlID = IDC_LINK;
        item.itemAction = action;
        item.itemState = state;
        item.hwndItem = Link();
        item.hDC = memory;
        item.rcItem = area;
        SendMessageA(dialog, WM_DRAWITEM, IDC_LINK, reinterpret_cast<LPARAM>(&item));
        int count = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 300; ++x)
                count += GetPixel(memory, x, y) == colour;
        SelectObject(memory, previous);
        DeleteObject(bitmap);
        DeleteDC(memory);
        return count;
    }

    HWND dialog = nullptr;
    LinkOpener previousOpener = nullptr;
};

constexpr COLORREF BLUE = RGB(0, 0, 255);
constexpr COLORREF RED = RGB(255, 0, 0);

TEST_F(AboutBox, TheLinkIsBlueAndRedOnlyWhilePressed) {
    EXPECT_GT(CountLinkPixels(ODA_DRAWENTIRE, ODS_SELECTED, BLUE), 20) << "a full redraw";
    EXPECT_EQ(CountLinkPixels(ODA_DRAWENTIRE, ODS_SELECTED, RED), 0);
    EXPECT_GT(CountLinkPixels(ODA_SELECT, ODS_SELECTED, RED), 20) << "pressed";
    EXPECT_EQ(CountLinkPixels(ODA_SELECT, ODS_SELECTED, BLUE), 0);
    EXPECT_GT(CountLinkPixels(ODA_SELECT, 0, BLUE), 20) << "released";
    EXPECT_GT(CountLinkPixels(ODA_FOCUS, ODS_FOCUS, BLUE), 20) << "focused";
}

TEST_F(AboutBox, ClickingTheLinkOpensItsOwnTextAndKeepsTheBoxOpenOtherCommandsDoNothing) {
    EXPECT_EQ(LinkText().rfind("http", 0), 0u) << LinkText();
    EXPECT_EQ(AboutDialogProc(dialog, WM_COMMAND, MAKEWPARAM(1234, 0), 0), TRUE);
    EXPECT_TRUE(openedAddresses.empty());
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_LINK, BN_CLICKED), reinterpret_cast<LPARAM>(Link()));
    ASSERT_EQ(openedAddresses.size(), 1u);
    EXPECT_EQ(openedAddresses[0], LinkText());
    EXPECT_TRUE(IsWindow(dialog));
}

// Closes the modal box from inside its own loop by sending it a command.
UINT closingCommand = IDCANCEL;
void CALLBACK CloseAboutBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowA("#32770", "Zelvany - Puzzle");
    if (!box)
        return;
    KillTimer(nullptr, timer);
    SendMessageA(box, WM_COMMAND, MAKEWPARAM(closingCommand, BN_CLICKED), 0);
}

class ModalAboutBox : public ::testing::TestWithParam<UINT> {};

TEST_P(ModalAboutBox, ClosesWithCancelAndWithTheCloseButton) {
    moduleHandle = GetModuleHandleA(nullptr);
    mainWindow = nullptr;
    closingCommand = GetParam();
    SetTimer(nullptr, 0, 20, CloseAboutBox);
    ShowAboutBox();
    EXPECT_EQ(FindWindowA("#32770", "Zelvany - Puzzle"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Commands, ModalAboutBox, ::testing::Values(IDCANCEL, IDCLOSE));

TEST(AboutBoxFont, OpeningAndClosingManyTimesLeavesNoFontBehind) {
    moduleHandle = GetModuleHandleA(nullptr);
    auto openAndClose = [] {
        HWND box = CreateDialogParamA(moduleHandle, MAKEINTRESOURCEA(IDD_ABOUT), nullptr, AboutDialogProc, 0);
        ASSERT_NE(box, nullptr);
        DestroyWindow(box);
    };
    openAndClose();  // the first opening may fill the system's own caches
    const int freeBefore = FreeGdiHandles();
    for (int i = 0; i < 20; ++i)
        openAndClose();
    EXPECT_EQ(FreeGdiHandles(), freeBefore);
}

}  // namespace
