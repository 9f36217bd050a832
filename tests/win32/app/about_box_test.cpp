// The About box: its link drawn blue, red only while pressed, in an
// underlined font of 10 units, handed to the shell through the program's one
// seam when clicked; the box, opened from the main window's menu, closes by
// Cancel and by its close button.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/about_dialog.h"
#include "app/process_state.h"
#include "common/resource_ids.h"
#include "support/test_support.h"

namespace {

constexpr Colour BLUE = MakeColour(0, 0, 255);
constexpr Colour RED = MakeColour(255, 0, 0);

std::vector<std::string> openedAddresses;

void RecordAddress(const char* address) {
    openedAddresses.push_back(address);
}

void DrawLink(HWND dialog, HDC dc, UINT action, UINT state) {
    DRAWITEMSTRUCT item = {ODT_BUTTON,          IDC_LINK, 0, action, state, GetDlgItem(dialog, IDC_LINK), dc,
                           RECT{0, 0, 300, 40}, 0};
    SendMessageA(dialog, WM_DRAWITEM, IDC_LINK, reinterpret_cast<LPARAM>(&item));
}

// The link drawn on white as the box is told to draw it: how many pixels have colour.
int LinkPixels(HWND dialog, UINT action, UINT state, Colour colour) {
    DrawingTarget target({300, 40, 32, SolidPixel(MakeColour(255, 255, 255))});
    DrawLink(dialog, target.Dc(), action, state);
    const std::vector<Colour> pixels = target.Pixels();
    return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
}

int CALLBACK KeepCreatedFont(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM font) {
    if (record->iType == EMR_EXTCREATEFONTINDIRECTW)
        *reinterpret_cast<LOGFONTW*>(font) =
            reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record)->elfw.elfLogFont;
    return 1;
}

// The font the box selects to draw its link, as a recording of the drawing
// (which reads every font selected into it) holds it.
LOGFONTW LinkFont(HWND dialog) {
    HDC recorder = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    DrawLink(dialog, recorder, ODA_DRAWENTIRE, 0);
    HENHMETAFILE recording = CloseEnhMetaFile(recorder);
    LOGFONTW font = {};
    EnumEnhMetaFile(nullptr, recording, KeepCreatedFont, &font, nullptr);
    DeleteEnhMetaFile(recording);
    return font;
}

TEST(AboutBox, TheLinkIsBlueRedOnlyWhilePressedAndOpensItsOwnAddress) {
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), nullptr, AboutDialogProc,
                                     0);
    ASSERT_NE(dialog, nullptr);
    const struct {
        const char* name;
        UINT action, state;
        Colour shown, absent;
    } drawings[] = {{"a full redraw", ODA_DRAWENTIRE, ODS_SELECTED, BLUE, RED},
                    {"pressed", ODA_SELECT, ODS_SELECTED, RED, BLUE},
                    {"released", ODA_SELECT, 0, BLUE, RED},
                    {"focused", ODA_FOCUS, ODS_FOCUS, BLUE, RED}};
    for (const auto& drawing : drawings) {
        EXPECT_GT(LinkPixels(dialog, drawing.action, drawing.state, drawing.shown), 20) << drawing.name;
        EXPECT_EQ(LinkPixels(dialog, drawing.action, drawing.state, drawing.absent), 0) << drawing.name;
    }
    const LOGFONTW font = LinkFont(dialog);
    LOGFONTW boxFont = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof boxFont, &boxFont);
    EXPECT_EQ(font.lfHeight, -10) << "characters 10 units high";
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    EXPECT_TRUE(font.lfUnderline && !font.lfItalic && !font.lfStrikeOut);
    EXPECT_EQ(std::wstring(font.lfFaceName), boxFont.lfFaceName) << "the box's own face";
    char address[256] = {};
    GetDlgItemTextA(dialog, IDC_LINK, address, sizeof address);
    const LinkOpener shell = SetLinkOpener(RecordAddress);
    openedAddresses.clear();
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_LINK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_LINK)));
    SetLinkOpener(shell);
    EXPECT_EQ(std::string(address).rfind("http", 0), 0u) << address;
    EXPECT_EQ(openedAddresses, std::vector<std::string>{address});
    EXPECT_TRUE(IsWindow(dialog));
    DestroyWindow(dialog);
}

UINT closingCommand = 0;
int closingsSent = 0;

// Sends the box its closing command; a box still open at the next tick is
// ended here, so that the test fails rather than waits.
void CALLBACK CloseAboutBox(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = FindWindowA("#32770", nullptr);
    if (box && closingsSent++ == 0)
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(closingCommand, BN_CLICKED), 0);
    else if (box)
        EndDialog(box, 0);
}

TEST(AboutBox, OpensFromTheMenuAndClosesByCancelAndByItsCloseButton) {
    EmptyCatalogue();
    MainWindowScope window;
    for (const UINT command : {IDCANCEL, IDCLOSE}) {
        closingCommand = command;
        closingsSent = 0;
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseAboutBox);
        SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(ID_HELP_ABOUT, 0), 0);
        KillTimer(nullptr, timer);
        EXPECT_EQ(closingsSent, 1) << command;
    }
}

}  // namespace
