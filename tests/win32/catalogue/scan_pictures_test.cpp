// The scan for picture files on real directories, as one table: each row a
// directory, what is made in it and the catalogue the scan gives, in order.
// Paths come in upper case, the mask ignores letter case and matches files
// only, a path too long for the record is left out, and a drive's root is
// the drive with its one backslash. The decoded formats follow the bitmaps,
// mask by mask: PNG, JPEG as .jpg, then as .jpeg, GIF.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/picture_catalogue.h"
#include "support/test_support.h"

namespace {

// The "\\?\" form reaches past MAX_PATH, where the A functions cannot.
std::wstring Extended(const std::string& path) {
    return L"\\\\?\\" + std::wstring(path.begin(), path.end());
}

std::string Upper(std::string text) {
    UpperCaseAscii(text.data());
    return text;
}

TEST(ScanPictures, ListsMatchingFilesAsUpperCaseFullPathsInSearchOrder) {
    TempDirectory folder;
    ASSERT_NE(Upper(folder.Path()), folder.Path()) << "the temporary folder should have small letters";
    // 240 characters, so that the search pattern itself still fits.
    const std::string deep = folder.Path() + std::string(239 - folder.Path().size(), 'd') + "\\";
    ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
    const std::string formats = folder.Path() + "formats\\";
    ASSERT_TRUE(CreateDirectoryA(formats.c_str(), nullptr));
    const struct {
        std::string directory;
        std::vector<std::string> made;  // a name ending in a backslash is a directory
        std::vector<std::string> listed;
    } rows[] = {
        {folder.Path(),
         {"puzzle1.bmp", "PuzzleSea.BMP", "pUzZlEz.BmP", "Puzzle.bmp", "Puzzle.txt", "MyPuzzle1.bmp", "Puzzle1.bmp.txt",
          "Other.bmp", "Puzzle2.bmp\\"},
         {"PUZZLE.BMP", "PUZZLE1.BMP", "PUZZLESEA.BMP", "PUZZLEZ.BMP"}},
        {deep,
         {"Puzzle1.bmp", "Puzzle" + std::string(9, 'f') + ".bmp", "Puzzle" + std::string(10, 'o') + ".bmp",
          "Puzzle" + std::string(150, 'x') + ".bmp"},
         {"PUZZLE1.BMP", "PUZZLE" + std::string(9, 'F') + ".BMP"}},  // 259 characters and 260 and more
        {formats,
         {"PuzzleB.gif", "PuzzleA.jpeg", "PuzzleC.png", "Puzzle2.BMP", "PuzzleD.jpg", "PuzzleE.tif", "Puzzle1.bmp",
          "PuzzleF.JPG", "Photo.png"},
         {"PUZZLE1.BMP", "PUZZLE2.BMP", "PUZZLEC.PNG", "PUZZLED.JPG", "PUZZLEF.JPG", "PUZZLEA.JPEG", "PUZZLEB.GIF"}},
        {"p:\\", {"PuzzleRoot1.bmp", "puzzleroot2.BMP"}, {"PUZZLEROOT1.BMP", "PUZZLEROOT2.BMP"}},
        {"C:\\" + std::string(300, 'd') + "\\", {}, {}}};
    for (const auto& row : rows) {
        for (const std::string& name : row.made)
            if (name.back() == '\\')
                ASSERT_TRUE(CreateDirectoryW(Extended(row.directory + name).c_str(), nullptr)) << name;
            else
                CloseHandle(CreateFileW(Extended(row.directory + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
        EmptyCatalogue();
        ScanPicturesBeside((row.directory + "Puzzle.exe").c_str());
        std::vector<std::string> listed, expected;
        for (int32_t i = 0; i < PictureCount(); ++i) {
            listed.push_back(PicturePath(i));
            EXPECT_EQ(pictureCatalogue.usedFlags[i], 0);
        }
        for (const std::string& name : row.listed)
            expected.push_back(Upper(row.directory) + name);
        EXPECT_EQ(listed, expected) << row.directory;
        EXPECT_EQ(pictureCatalogue.usedFlags.Size(), PictureCount());
        for (const std::string& name : row.made)
            name.back() == '\\' ? RemoveDirectoryW(Extended(row.directory + name).c_str())
                                : DeleteFileW(Extended(row.directory + name).c_str());
    }
    EmptyCatalogue();
}

}  // namespace
