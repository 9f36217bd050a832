// The pictures a command line names, and the picture list a second start
// hands over: the paths each argument gives and the blocks of copy data that
// are taken, over tables of ordinary and hostile input.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/picture_handover.h"

namespace {

using Text = std::u16string;
using Texts = std::vector<Text>;

// The paths listed for these arguments (after the program's name).
Texts Listed(const Texts& arguments, const char16_t* directory = u"C:\\Games\\Puzzle") {
    std::vector<const char16_t*> line = {u"Puzzle.exe"};
    for (const Text& argument : arguments)
        line.push_back(argument.c_str());
    PictureHandover list = NewHandover();
    ListPictureArguments(static_cast<int32_t>(line.size()), line.data(), directory, list);
    Texts listed;
    for (const char16_t* path = list.units; *path; path += Text(path).size() + 1)
        listed.push_back(path);
    FreeHandover(list);
    return listed;
}

TEST(CommandLine, EachArgumentIsAFullPathAndThoseThatNameNoFileArePassedOver) {
    const struct {
        Texts arguments;
        Texts paths;
    } cases[] = {
        {{}, {}},
        {{u"photo.jpg"}, {u"C:\\Games\\Puzzle\\photo.jpg"}},
        {{u"\"D:\\My photos\\sea.png\""}, {u"D:\\My photos\\sea.png"}},
        {{u"  D:\\a b\\c.gif \t"}, {u"D:\\a b\\c.gif"}},
        {{u"..\\..\\x.bmp", u".\\sub/./y.jpeg", u"..\\..\\..\\..\\z.png"},
         {u"C:\\x.bmp", u"C:\\Games\\Puzzle\\sub\\y.jpeg", u"C:\\z.png"}},
        {{u"\\root.png", u"c:name.png", u"e:name.png", u"d:\\trail. . .\\end.png. "},
         {u"C:\\root.png", u"C:\\Games\\Puzzle\\name.png", u"e:\\name.png", u"d:\\trail\\end.png"}},
        {{u"\\\\server\\share\\p.png", u"//server/share/../q.png"},
         {u"\\\\server\\share\\p.png", u"\\\\server\\share\\q.png"}},
        {{u"\"\"", u"\"  \"\"", u"   ", u"", u"a.png"}, {u"C:\\Games\\Puzzle\\a.png"}},
        {{u"C:\\", u"\\\\server\\share", u"\\\\server", u"\\\\", u"..", u"C:"}, {u"C:\\Games", u"C:\\Games\\Puzzle"}},
        {{u"CON", u"nul", u"C:\\x\\COM1", u"lpt9.txt", u"Aux .png", u"conout$", u"\\\\.\\C:\\a.png",
          u"\\\\?\\C:\\a.png", u"COM0", u"CONSOLE.png", u"com10"},
         {u"C:\\Games\\Puzzle\\COM0", u"C:\\Games\\Puzzle\\CONSOLE.png", u"C:\\Games\\Puzzle\\com10"}},
        {{u"a\u0119\u017c\u0444\u5199.png"}, {u"C:\\Games\\Puzzle\\a\u0119\u017c\u0444\u5199.png"}}};
    for (const auto& c : cases)
        EXPECT_EQ(Listed(c.arguments), c.paths) << (c.arguments.empty() ? "none" : "a case");
    EXPECT_EQ(Listed({u"b.png"}, u"\\\\srv\\pics\\"), Texts{u"\\\\srv\\pics\\b.png"});
    EXPECT_EQ(Listed({u"b.png"}, u"relative"), Texts{});
}

TEST(CommandLine, APathLongerThanItsBufferIsRefusedWhole) {
    char16_t path[16] = u"untouched";
    EXPECT_EQ(FullPathOfArgument(u"abcdefghijklm", u"C:\\", path, 16), 0);  // 16 units and the NUL
    EXPECT_EQ(FullPathOfArgument(u"abcdefghijkl", u"C:\\", path, 16), 1);
    EXPECT_EQ(Text(path), u"C:\\abcdefghijkl");
    EXPECT_EQ(Listed({Text(40000, u'x'), u"\\" + Text(32766, u'y')}), Texts{});
}

std::vector<uint8_t> Bytes(const Text& units) {
    std::vector<uint8_t> bytes;
    for (char16_t unit : units) {
        bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<uint8_t>(unit >> 8));
    }
    return bytes;
}

TEST(PictureHandover, OnlyAListAsTheSecondStartWritesItIsTaken) {
    PictureHandover handover = NewHandover();
    EXPECT_EQ(HandoverBytes(handover) + AddHandedPath(handover, u""), 0u);
    ASSERT_EQ(AddHandedPath(handover, u"C:\\a.png"), 1);
    ASSERT_EQ(AddHandedPath(handover, u"C:\\\u0444.jpg"), 1);
    const Text written(handover.units, HandoverBytes(handover) / 2);
    EXPECT_EQ(written, Text(u"C:\\a.png\0C:\\\u0444.jpg\0\0", 19));
    std::vector<uint8_t> sent = Bytes(written);
    sent.insert(sent.begin(), 0);  // read from an odd address
    const std::vector<uint8_t> good(sent.begin() + 1, sent.end());
    const std::vector<uint8_t> empty = Bytes(Text(2, u'\0'));
    std::vector<uint8_t> odd = good;
    odd.push_back(0);
    const std::vector<uint8_t> full = Bytes(Text(MAX_HANDOVER_UNITS - 2, u'x') + Text(2, u'\0'));
    const std::vector<uint8_t> over = Bytes(Text(MAX_HANDOVER_UNITS - 1, u'x') + Text(2, u'\0'));
    const struct {
        uint64_t tag;
        const void* data;
        size_t bytes;
        int32_t taken;
    } cases[] = {{PICTURE_HANDOVER_TAG, sent.data() + 1, good.size(), 1},
                 {PICTURE_HANDOVER_TAG + 1, good.data(), good.size(), 0},
                 {PICTURE_HANDOVER_TAG | uint64_t{1} << 32, good.data(), good.size(), 0},
                 {PICTURE_HANDOVER_TAG, nullptr, good.size(), 0},
                 {PICTURE_HANDOVER_TAG, good.data(), 0, 0},
                 {PICTURE_HANDOVER_TAG, odd.data(), odd.size(), 0},
                 {PICTURE_HANDOVER_TAG, good.data(), good.size() - 2, 0},  // one NUL at the end
                 {PICTURE_HANDOVER_TAG, good.data(), 18, 0},               // cut inside the first path
                 {PICTURE_HANDOVER_TAG, empty.data(), empty.size(), 0},
                 {PICTURE_HANDOVER_TAG, full.data(), full.size(), 1},
                 {PICTURE_HANDOVER_TAG, over.data(), over.size(), 0},
                 {PICTURE_HANDOVER_TAG, good.data(), size_t{0} - 2, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(IsPictureHandover(c.tag, c.data, c.bytes), c.taken) << c.tag << " " << c.bytes;
    PictureHandover whole = NewHandover();  // a path, its NUL and the list's fill the block
    EXPECT_EQ(AddHandedPath(whole, Text(MAX_HANDOVER_UNITS - 1, u'p').c_str()), 0);
    EXPECT_EQ(AddHandedPath(whole, Text(MAX_HANDOVER_UNITS - 2, u'p').c_str()), 1);
    EXPECT_EQ(IsPictureHandover(PICTURE_HANDOVER_TAG, whole.units, HandoverBytes(whole)), 1);
    FreeHandover(whole);
    FreeHandover(handover);
}

}  // namespace
