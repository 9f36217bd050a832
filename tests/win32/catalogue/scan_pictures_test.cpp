// The scan for picture files on real directories: upper-case full paths, the
// mask's matching, directories and too-long paths left out, a drive's root,
// and the test executable's own directory.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/picture_catalogue.h"
#include "support/temp_directory.h"

namespace {

std::string Upper(std::string text) {
    UpperCaseAscii(text.data());
    return text;
}

void EmptyCatalogue() {
    pictureCatalogue.paths.SetSize(0);
    pictureCatalogue.usedFlags.SetSize(0);
    pictureCatalogue.allUsed = 0;
}

std::vector<std::string> CataloguePaths() {
    std::vector<std::string> paths;
    for (int32_t i = 0; i < PictureCount(); ++i)
        paths.push_back(PicturePath(i));
    return paths;
}

std::vector<std::string> Sorted(std::vector<std::string> paths) {
    std::sort(paths.begin(), paths.end());
    return paths;
}

bool Contains(const std::vector<std::string>& paths, const std::string& path) {
    return std::find(paths.begin(), paths.end(), path) != paths.end();
}

void MakePicture(const std::string& path) {
    ASSERT_TRUE(WriteFileBytes(path, "BM")) << path;
}

// The "\\?\" form reaches past MAX_PATH, for files the A functions cannot create.
std::wstring ExtendedPath(const std::string& path) {
    std::wstring wide = L"\\\\?\\";
    for (char c : path)
        wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return wide;
}

// A file made for one test and deleted after it, whatever its length.
class ScopedFile {
public:
    explicit ScopedFile(const std::string& path) : path(ExtendedPath(path)) {
        HANDLE file = CreateFileW(this->path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        created = file != INVALID_HANDLE_VALUE;
        if (created)
            CloseHandle(file);
    }
    ~ScopedFile() {
        if (created)
            DeleteFileW(path.c_str());
    }
    ScopedFile(const ScopedFile&) = delete;
    ScopedFile& operator=(const ScopedFile&) = delete;

    bool Created() const { return created; }

private:
    std::wstring path;
    bool created;
};

// Nested directories under base whose full path is exactly length characters,
// the trailing backslash included.
std::string MakeDeepDirectory(const std::string& base, size_t length) {
    std::string directory = base;
    while (directory.size() < length) {
        const size_t remaining = length - directory.size();
        size_t part = std::min<size_t>(100, remaining - 1);
        if (remaining - 1 - part == 1)
            --part;  // never leave room for a backslash alone
        directory += std::string(part, 'd') + "\\";
        CreateDirectoryA(directory.c_str(), nullptr);
    }
    return directory;
}

class ScanPicturesTest : public ::testing::Test {
protected:
    void SetUp() override { EmptyCatalogue(); }
    void TearDown() override { EmptyCatalogue(); }

    TempDirectory folder;
};

// Matching files in a directory with small letters: upper-case full paths
// with clear flags, a mask that ignores letter case and matches nothing
// else, and a directory named like a picture left out.
TEST_F(ScanPicturesTest, ListsMatchingFilesAsUpperCaseFullPathsWithClearFlags) {
    for (const char* name : {"puzzle1.bmp", "PuzzleSea.BMP", "pUzZlEz.BmP", "Puzzle.bmp", "Puzzle.txt",
                             "MyPuzzle1.bmp", "Puzzle1.bmp.txt", "Other.bmp"})
        MakePicture(folder.File(name));
    ASSERT_TRUE(CreateDirectoryA(folder.File("Puzzle2.bmp").c_str(), nullptr));
    ScanPicturesBeside(folder.File("Puzzle.exe").c_str());

    const std::string directory = Upper(folder.Path());
    ASSERT_NE(directory, folder.Path()) << "the temporary folder should have small letters";
    EXPECT_EQ(Sorted(CataloguePaths()),
              (std::vector<std::string>{directory + "PUZZLE.BMP", directory + "PUZZLE1.BMP",
                                        directory + "PUZZLESEA.BMP", directory + "PUZZLEZ.BMP"}));
    ASSERT_EQ(pictureCatalogue.usedFlags.Size(), 4);
    for (int32_t i = 0; i < 4; ++i)
        EXPECT_EQ(pictureCatalogue.usedFlags[i], 0);
    EXPECT_EQ(pictureCatalogue.allUsed, 0);
}

TEST_F(ScanPicturesTest, PathsLongerThanThePicturePathFieldAreLeftOut) {
    // 240 characters of directory, so the search pattern itself still fits.
    const std::string deep = MakeDeepDirectory(folder.Path(), 240);
    ASSERT_EQ(deep.size(), 240u);
    ASSERT_NE(GetFileAttributesA(deep.c_str()), INVALID_FILE_ATTRIBUTES);

    const ScopedFile shortName(deep + "Puzzle1.bmp");
    const ScopedFile fits(deep + "Puzzle" + std::string(9, 'f') + ".bmp");       // 259 characters
    const ScopedFile oneTooMany(deep + "Puzzle" + std::string(10, 'o') + ".bmp");  // 260
    const ScopedFile farTooMany(deep + "Puzzle" + std::string(150, 'x') + ".bmp");
    ASSERT_TRUE(shortName.Created() && fits.Created() && oneTooMany.Created() && farTooMany.Created());

    ScanPicturesBeside((deep + "Puzzle.exe").c_str());
    const std::string directory = Upper(deep);
    const std::string longest = directory + "PUZZLE" + std::string(9, 'F') + ".BMP";
    ASSERT_EQ(longest.size(), 259u);
    EXPECT_EQ(Sorted(CataloguePaths()), (std::vector<std::string>{directory + "PUZZLE1.BMP", longest}));
    EXPECT_EQ(pictureCatalogue.usedFlags.Size(), 2);

    EmptyCatalogue();
    ScanPicturesBeside(("C:\\" + std::string(300, 'd') + "\\Puzzle.exe").c_str());
    EXPECT_EQ(PictureCount(), 0) << "a directory too long for any picture";
}

TEST_F(ScanPicturesTest, InADrivesRootTheDirectoryIsTheDriveWithItsBackslash) {
    const DWORD root = GetFileAttributesA("P:\\");
    ASSERT_TRUE(root != INVALID_FILE_ATTRIBUTES && (root & FILE_ATTRIBUTE_DIRECTORY))
        << "the test environment maps drive P: to a folder";
    const ScopedFile first("P:\\PuzzleRootTest1.bmp");
    const ScopedFile second("P:\\puzzleroottest2.BMP");
    ASSERT_TRUE(first.Created() && second.Created());

    for (const char* modulePath : {"P:\\Puzzle.exe", "p:\\Puzzle.exe"}) {
        EmptyCatalogue();
        ScanPicturesBeside(modulePath);
        const std::vector<std::string> paths = CataloguePaths();
        EXPECT_TRUE(Contains(paths, "P:\\PUZZLEROOTTEST1.BMP")) << modulePath;
        EXPECT_TRUE(Contains(paths, "P:\\PUZZLEROOTTEST2.BMP")) << modulePath;
        for (const std::string& path : paths)
            EXPECT_EQ(path.rfind('\\'), 2u) << path;
    }
}

TEST_F(ScanPicturesTest, ScanPicturesSearchesTheExecutablesOwnDirectory) {
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string directory = std::string(module).substr(0, std::string(module).rfind('\\') + 1);
    const ScopedFile picture(directory + "PuzzleSelfScan.bmp");
    ASSERT_TRUE(picture.Created()) << directory;

    ScanPictures();
    const std::vector<std::string> paths = CataloguePaths();
    EXPECT_TRUE(Contains(paths, Upper(directory) + "PUZZLESELFSCAN.BMP")) << Upper(directory);
    for (const std::string& path : paths)
        EXPECT_EQ(path.substr(0, directory.size()), Upper(directory)) << path;
    EXPECT_EQ(pictureCatalogue.usedFlags.Size(), PictureCount());
}

}  // namespace
