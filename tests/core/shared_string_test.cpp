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

TEST(SharedEmptyBlock, DefaultStringsShareOneEmptyBlockThatIsNeverWrittenThrough) {
    SharedString a;
    const uint32_t before = RefCount(a);
    SharedString b;
    EXPECT_EQ(a.Rep(), b.Rep());
    EXPECT_EQ(RefCount(a), before + 1);
    EXPECT_EQ(Capacity(a), 0);
    EXPECT_STREQ(a.Chars(), "");
    a.WritableChars()[0] = 'x';
    EXPECT_NE(a.Rep(), b.Rep());
    EXPECT_STREQ(b.Chars(), "");
}

TEST(NullHandle, ReadsAsEmptyTextAndAssignOfEmptyTextGivesAZeroCapacityBlock) {
    SharedString s(nullptr);
    EXPECT_STREQ(s.Chars(), "");
    EXPECT_EQ(s.Length(), 0);
    EXPECT_EQ(SharedString(s).Rep(), nullptr);
    s.Assign("");
    ASSERT_NE(s.Rep(), nullptr);
    EXPECT_EQ(Capacity(s), 0);
    EXPECT_EQ(RefCount(s), 1u);
    EXPECT_EQ(BytesAfterText(s), std::string(4, '\0'));
}

// A block of its own with room is reused; otherwise the new block holds the
// old length plus the new text (Assign) or the joined text (Append, Concat).
TEST(BlockCapacity, FollowsTheAssignAppendAndConcatRules) {
    SharedString a;
    a.Assign("hello");  // the shared empty block: 0 + 5
    EXPECT_EQ(Capacity(a), 5);
    SharedString b(a);
    b.Assign("xy");  // shared: 5 + 2
    EXPECT_EQ(Capacity(b), 7);
    EXPECT_EQ(BytesAfterText(b), std::string(9, '\0'));
    const StringRep* block = b.Rep();
    b.Append("cde");  // 5 characters in a block of 7
    EXPECT_EQ(b.Rep(), block);
    b.Assign("xyz");
    EXPECT_EQ(b.Rep(), block);
    b.Assign("0123456789");  // too small: 3 + 10
    EXPECT_EQ(Capacity(b), 13);
    b.Append(b.Chars());  // its own text, without room: 10 + 10
    EXPECT_STREQ(b.Chars(), "01234567890123456789");
    EXPECT_EQ(Capacity(b), 20);

    const SharedString joined = SharedString::Concat(a, " world");
    EXPECT_STREQ(joined.Chars(), "hello world");
    EXPECT_EQ(Capacity(joined), 11);
    EXPECT_EQ(RefCount(a), 1u);
    EXPECT_STREQ(a.Chars(), "hello");
}

TEST(CopyOnWrite, CopiesShareTheBlockAndSelfAssignmentKeepsIt) {
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
    SharedString& same = a;
    a = same;
    EXPECT_EQ(RefCount(a), 1u);
    EXPECT_STREQ(a.Chars(), "picture");
}

// Blocks with room to spare, so that only their sharing forces a copy.
TEST(CopyOnWrite, AssignAppendAndMakeWritableLeaveOtherHoldersUntouched) {
    SharedString a;
    a.Assign("0123456789");
    a.Assign("C:\\GAMES");
    SharedString assigned(a), appended(a), writable(a);
    assigned.Assign("second");
    appended.Append("\\");
    writable.MakeWritable();
    writable.WritableChars()[0] = 'X';
    EXPECT_STREQ(a.Chars(), "C:\\GAMES");
    EXPECT_EQ(RefCount(a), 1u);
    EXPECT_STREQ(assigned.Chars(), "second");
    EXPECT_STREQ(appended.Chars(), "C:\\GAMES\\");
    EXPECT_EQ(Capacity(appended), 9);
    EXPECT_STREQ(writable.Chars(), "X:\\GAMES");
    EXPECT_EQ(Capacity(writable), 8) << "a shared block is copied at its length";
}

}  // namespace
