// SharedString: block sizes and capacities, sharing, and copy-on-write.
#include <gtest/gtest.h>

#include <string>

#include "catalogue/shared_string.h"

namespace {

uint32_t RefCount(const SharedString& s) {
    return s.Rep()->refCount;
}

int32_t Capacity(const SharedString& s) {
    return s.Rep()->capacity;
}

// Every byte of the block past the characters in use, the three spare ones
// included, as one string (the sanitizer catches a block that is too short).
std::string BytesAfterText(const SharedString& s) {
    const char* chars = s.Rep()->chars;
    return std::string(chars + s.Length(), chars + Capacity(s) + 4);
}

TEST(SharedEmptyBlock, DefaultStringsShareOneEmptyBlock) {
    SharedString a;
    const uint32_t before = RefCount(a);
    SharedString b;
    EXPECT_EQ(a.Rep(), b.Rep());
    EXPECT_EQ(RefCount(a), before + 1);
    EXPECT_EQ(Capacity(a), 0);
    EXPECT_EQ(a.Length(), 0);
    EXPECT_STREQ(a.Chars(), "");
}

TEST(SharedEmptyBlock, IsNeverWrittenThrough) {
    SharedString a;
    const StringRep* empty = a.Rep();
    a.WritableChars()[0] = 'x';
    SharedString b;
    EXPECT_NE(a.Rep(), empty);
    EXPECT_EQ(b.Rep(), empty);
    EXPECT_STREQ(b.Chars(), "");
}

TEST(NullHandle, ReadsAsEmptyText) {
    const SharedString s(nullptr);
    EXPECT_EQ(s.Rep(), nullptr);
    EXPECT_STREQ(s.Chars(), "");
    EXPECT_EQ(s.Length(), 0);
    const SharedString copy(s);
    EXPECT_EQ(copy.Rep(), nullptr);
}

TEST(NullHandle, AssignOfEmptyTextGivesAZeroCapacityBlock) {
    SharedString s(nullptr);
    s.Assign("");
    ASSERT_NE(s.Rep(), nullptr);
    EXPECT_EQ(Capacity(s), 0);
    EXPECT_EQ(s.Length(), 0);
    EXPECT_EQ(RefCount(s), 1u);
    EXPECT_EQ(BytesAfterText(s), std::string(4, '\0'));
}

TEST(AssignCapacity, SharedBlockIsReplacedByOneOfOldLengthPlusNew) {
    SharedString a;
    a.Assign("hello");  // the shared empty block: 0 + 5
    EXPECT_EQ(Capacity(a), 5);
    SharedString b(a);
    b.Assign("xy");  // shared: 5 + 2
    EXPECT_EQ(Capacity(b), 7);
    EXPECT_STREQ(b.Chars(), "xy");
    EXPECT_EQ(BytesAfterText(b), std::string(9, '\0'));
}

TEST(AssignCapacity, OwnBlockWithRoomIsReused) {
    SharedString s;
    s.Assign("abcdef");
    const StringRep* block = s.Rep();
    s.Assign("xyz");
    EXPECT_EQ(s.Rep(), block);
    EXPECT_EQ(Capacity(s), 6);
    EXPECT_EQ(s.Length(), 3);
    EXPECT_STREQ(s.Chars(), "xyz");
}

TEST(AssignCapacity, OwnBlockTooSmallIsReplacedByOneOfOldLengthPlusNew) {
    SharedString s;
    s.Assign("abc");
    s.Assign("0123456789");
    EXPECT_EQ(Capacity(s), 13);
    EXPECT_STREQ(s.Chars(), "0123456789");
}

TEST(AppendCapacity, ToTheSharedEmptyBlockGivesTheAppendedLength) {
    SharedString s;
    s.Append("puzzle");
    EXPECT_EQ(Capacity(s), 6);
    EXPECT_STREQ(s.Chars(), "puzzle");
}

TEST(AppendCapacity, OwnBlockWithRoomGrowsInPlace) {
    SharedString s;
    s.Assign("abcdef");
    s.Assign("ab");
    const StringRep* block = s.Rep();
    s.Append("cd");
    EXPECT_EQ(s.Rep(), block);
    EXPECT_STREQ(s.Chars(), "abcd");
    EXPECT_EQ(s.Length(), 4);
}

TEST(AppendCapacity, WithoutRoomCopiesIntoLengthPlusNew) {
    SharedString s;
    s.Assign("C:\\GAMES");
    s.Append("\\");
    EXPECT_EQ(Capacity(s), 9);
    EXPECT_STREQ(s.Chars(), "C:\\GAMES\\");
}

TEST(AppendCapacity, ItsOwnTextCanBeAppended) {
    SharedString s;
    s.Assign("abc");
    s.Append(s.Chars());
    EXPECT_STREQ(s.Chars(), "abcabc");
}

TEST(ConcatCapacity, HoldsBothTextsExactlyAndLeavesTheOperands) {
    SharedString a;
    a.Assign("C:\\GAMES\\");
    const StringRep* aBlock = a.Rep();
    const SharedString joined = SharedString::Concat(a, "PUZZLE1.BMP");
    EXPECT_STREQ(joined.Chars(), "C:\\GAMES\\PUZZLE1.BMP");
    EXPECT_EQ(joined.Length(), 20);
    EXPECT_EQ(Capacity(joined), 20);
    EXPECT_EQ(RefCount(joined), 1u);
    EXPECT_EQ(a.Rep(), aBlock);
    EXPECT_EQ(RefCount(a), 1u);
    EXPECT_STREQ(a.Chars(), "C:\\GAMES\\");
}

TEST(CopyOnWrite, CopiesShareTheBlock) {
    SharedString a;
    a.Assign("picture");
    {
        SharedString b(a);
        SharedString c;
        c = a;
        EXPECT_EQ(b.Rep(), a.Rep());
        EXPECT_EQ(c.Rep(), a.Rep());
        EXPECT_EQ(RefCount(a), 3u);
    }
    EXPECT_EQ(RefCount(a), 1u);
}

// A block with room to spare, so that only its sharing forces a copy.
SharedString WithRoom(const char* text) {
    SharedString s;
    s.Assign("0123456789");
    s.Assign(text);
    return s;
}

TEST(CopyOnWrite, AssignLeavesOtherHoldersUntouched) {
    const SharedString a = WithRoom("first");
    SharedString b(a);
    b.Assign("second");
    EXPECT_STREQ(a.Chars(), "first");
    EXPECT_STREQ(b.Chars(), "second");
    EXPECT_EQ(RefCount(a), 1u);
}

TEST(CopyOnWrite, AppendLeavesOtherHoldersUntouched) {
    const SharedString a = WithRoom("C:\\GAMES");
    SharedString b(a);
    b.Append("\\");
    EXPECT_STREQ(a.Chars(), "C:\\GAMES");
    EXPECT_STREQ(b.Chars(), "C:\\GAMES\\");
    EXPECT_EQ(Capacity(b), 9);
    EXPECT_EQ(RefCount(a), 1u);
}

TEST(CopyOnWrite, MakeWritableCopiesASharedBlockAtItsLength) {
    SharedString a;
    a.Assign("abcdef");
    a.Assign("abc");  // capacity 6, length 3
    SharedString b(a);
    b.MakeWritable();
    EXPECT_NE(b.Rep(), a.Rep());
    EXPECT_EQ(Capacity(b), 3);
    EXPECT_EQ(RefCount(a), 1u);
    b.WritableChars()[0] = 'X';
    EXPECT_STREQ(a.Chars(), "abc");
    EXPECT_STREQ(b.Chars(), "Xbc");
}

TEST(CopyOnWrite, SelfAssignmentKeepsTheBlock) {
    SharedString s;
    s.Assign("abc");
    SharedString& same = s;
    s = same;
    EXPECT_STREQ(s.Chars(), "abc");
    EXPECT_EQ(RefCount(s), 1u);
}

}  // namespace
