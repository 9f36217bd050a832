// The header reader over real and damaged picture files built here as bytes:
// each real one cut at every place that matters, damaged ones, files that go
// on forever, and seeded mutations (natively under the sanitizers).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "render/picture_header.h"

using namespace std::string_literals;

namespace {

// A file of length bytes: prefix, then pattern repeated (zeros when empty).
struct File {
    std::string prefix;
    uint64_t length;
    std::string pattern = "";
};

size_t ReadFile(void* context, uint64_t offset, uint8_t* buffer, size_t length) {
    const File& file = *static_cast<const File*>(context);
    EXPECT_LE(offset + length, file.length);  // the reader asks for nothing past the end
    for (size_t i = 0; i < length; ++i) {
        const uint64_t at = offset + i, size = file.prefix.size(), period = file.pattern.size();
        buffer[i] = at < size ? file.prefix[at] : period == 0 ? 0 : file.pattern[(at - size) % period];
    }
    return length;
}

// "J 640x480 6": the format's initial, the size and the orientation, or "J refused".
std::string Seen(File file) {
    PictureHeader header;
    const int32_t taken = ReadPictureHeader({&file, ReadFile, file.length}, header);
    const std::string format(1, "?BPJG"[static_cast<int>(header.format)]);
    return format + (taken ? " " + std::to_string(header.width) + "x" + std::to_string(header.height) + " " +
                                 std::to_string(header.orientation)
                           : " refused");
}
std::string Seen(const std::string& bytes) {
    return Seen(File{bytes, bytes.size()});
}

std::string Field(uint64_t value, int bytes, bool bigEndian = false) {
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>(value >> 8 * (bigEndian ? bytes - 1 - i : i));
    return out;
}

std::string Bmp(int32_t width, int32_t height, uint32_t headerSize = 40) {
    const int size = headerSize == 12 ? 2 : 4;
    return "BM" + Field(70, 4) + Field(0, 4) + Field(54, 4) + Field(headerSize, 4) + Field(width, size) +
           Field(height, size) + Field(1, 2) + Field(24, 2) + std::string(28, '\0');
}

std::string Png(uint32_t width, uint32_t height, const char* firstChunk = "IHDR") {
    return "\x89PNG\r\n\x1A\n" + Field(13, 4, true) + firstChunk + Field(width, 4, true) + Field(height, 4, true) +
           "\x08\x06\0\0\0\1\2\3\4"s + Field(0, 4) + "IEND\xAE\x42\x60\x82";
}

std::string Segment(uint8_t marker, const std::string& data) {
    return "\xFF"s + static_cast<char>(marker) + Field(static_cast<uint32_t>(data.size() + 2), 2, true) + data;
}
std::string Frame(uint8_t marker, uint32_t width, uint32_t height) {
    return Segment(marker, "\x08" + Field(height, 2, true) + Field(width, 2, true) + "\x01\x01\x11\x00"s);
}

// An EXIF APP1 segment: a camera make and the orientation in IFD0, then a
// thumbnail, itself a JPEG whose own frame header must not be taken.
std::string Exif(bool bigEndian, uint32_t orientation, uint32_t ifd = 8, uint32_t entries = 2, uint32_t type = 3,
                 size_t thumbnail = 0) {
    const auto field = [bigEndian](uint32_t value, int bytes) { return Field(value, bytes, bigEndian); };
    std::string tiff = (bigEndian ? "MM" : "II") + field(42, 2) + field(ifd, 4) + field(entries, 2) + field(0x010F, 2) +
                       field(2, 2) + field(4, 4) + "Ph\0\0"s + field(0x0112, 2) + field(type, 2) + field(1, 4) +
                       field(orientation, 2) + Field(0, 6);
    if (thumbnail > 0)
        tiff += ("\xFF\xD8" + Frame(0xC0, 160, 120) + "\xFF\xD9").append(thumbnail, '\x55');
    return Segment(0xE1, "Exif\0\0"s + tiff);
}

const std::string SOI = "\xFF\xD8", JFIF = Segment(0xE0, "JFIF\0\1\1\0\0\1\0\1\0\0"s);
const std::string TABLES = Segment(0xDB, std::string(65, '\1')) + "\xFF\xFF" + Segment(0xC4, std::string(29, '\2'));
const std::string SCAN = Segment(0xDA, std::string(8, '\3')) + "\x12\x34\xFF\x00\x56\xFF\xD9"s;

std::string Jpeg(const std::string& before, uint32_t width, uint32_t height, uint8_t frameMarker = 0xC0) {
    return SOI + before + TABLES + Frame(frameMarker, width, height) + SCAN;
}

// A GIF with a global table of 4 colours, a graphic control and a comment
// before its first image descriptor (by default the screen's size at 0, 0).
std::string Gif(const char* version, uint32_t width, uint32_t height, uint32_t left = 0, uint32_t top = 0,
                uint32_t imageWidth = 0, uint32_t imageHeight = 0, const std::string& blocks = "") {
    return version + Field(width, 2) + Field(height, 2) + "\xF1\x00\x00"s + std::string(12, '\x7F') +
           "\x21\xF9\x04\x01\x00\x00\x02\x00\x21\xFE\x03"
           "abc\x02"
           "de\x00"s +
           blocks + "\x2C" + Field(left, 2) + Field(top, 2) + Field(imageWidth ? imageWidth : width, 2) +
           Field(imageHeight ? imageHeight : height, 2) + "\x00\x02\x02\x44\x01\x00\x3B"s;
}

struct Sample {
    std::string name, bytes, seen;
    size_t headerEnd = 0;  // where the bytes the reader needs end
};

std::vector<Sample> RealFiles() {
    const std::string xmp = Segment(0xE1, "http://ns.adobe.com/xap/1.0/"), exif = Exif(true, 8, 8, 2, 3, 60000);
    std::vector<Sample> files = {
        {"BMP info header, top-down", Bmp(640, -480), "B 640x480 1", 26},
        {"BMP core header", Bmp(300, 200, 12), "B 300x200 1", 22},
        {"PNG", Png(1024, 768), "P 1024x768 1", 24},
        {"baseline JPEG, EXIF II 6", Jpeg(JFIF + Exif(false, 6), 4032, 3024), "J 4032x3024 6"},
        {"progressive JPEG, XMP, EXIF MM 8 and a large thumbnail", Jpeg(JFIF + xmp + exif, 3000, 4000, 0xC2),
         "J 3000x4000 8"},
        {"arithmetic JPEG after DAC", Jpeg(Segment(0xCC, "\x00\x10"s), 50, 40, 0xC9), "J 50x40 1"},
        {"GIF89a", Gif("GIF89a", 320, 240), "G 320x240 1"},
        {"GIF87a, 0x0 screen", Gif("GIF87a", 0, 0, 0, 0, 30, 20), "G 30x20 1"}};
    for (Sample& file : files)  // a JPEG's after its frame header, a GIF's after the image descriptor
        if (file.headerEnd == 0)
            file.headerEnd = file.seen[0] == 'J' ? file.bytes.find(SCAN) : file.bytes.size() - 6;
    return files;
}

TEST(PictureHeader, RealFilesGiveTheirSizeAndOrientationAndCutShortOfTheirHeaderNothing) {
    for (const Sample& file : RealFiles()) {
        EXPECT_EQ(Seen(file.bytes), file.seen) << file.name;
        std::vector<size_t> cuts = {file.headerEnd - 1, file.headerEnd};
        for (size_t cut = 0; cut < file.bytes.size(); cut += cut < 64 ? 1 : 97)
            cuts.push_back(cut);
        for (size_t cut : cuts)
            EXPECT_EQ(Seen(file.bytes.substr(0, cut)).substr(2), cut < file.headerEnd ? "refused" : file.seen.substr(2))
                << file.name << ", " << cut;
    }
}

TEST(PictureHeader, DamagedFilesAreRefusedAndADamagedExifLeavesTheOrientationUpright) {
    const std::string jpeg = Jpeg(JFIF, 64, 48), app0 = jpeg.substr(0, 4), afterLength = jpeg.substr(6);
    const std::pair<std::string, const char*> samples[] = {
        {"BN" + Bmp(64, 48).substr(2), "? refused"},
        {"\x89PNG\r\n\x1A\r" + Png(64, 48).substr(8), "? refused"},
        {Gif("GIF88a", 64, 48), "? refused"},
        {Bmp(64, 48, 20), "B refused"},
        {Bmp(0, 48), "B refused"},
        {Png(64, 0), "P refused"},
        {Png(0xFFFFFFFF, 0xFFFFFFFF), "P refused"},
        {Png(64, 48, "IDAT"), "P refused"},
        {app0 + Field(0, 2) + afterLength, "J refused"},  // segment lengths of 0, 1, and past the end
        {app0 + Field(1, 2) + afterLength, "J refused"},
        {app0 + "\xFF\xFF" + afterLength, "J refused"},
        {SOI + SCAN + Frame(0xC0, 64, 48), "J refused"},
        {SOI + "\x00"s + jpeg.substr(2), "J refused"},
        {SOI + Segment(0xC0, "\x08\x00\x30"s) + Frame(0xC0, 64, 48), "J refused"},
        {Jpeg(JFIF, 64, 0), "J refused"},
        {Jpeg(Exif(false, 6, 4000), 64, 48), "J 64x48 1"},  // IFD0 past the segment
        {Jpeg(Exif(true, 6, 8, 40), 64, 48), "J 64x48 1"},  // IFD0's entries past the segment
        {Jpeg(Exif(false, 9), 64, 48), "J 64x48 1"},
        {Jpeg(Exif(true, 6, 8, 2, 4), 64, 48), "J 64x48 1"},  // a LONG
        {Jpeg(Exif(true, 3), 64, 48), "J 64x48 3"},
        {Gif("GIF89a", 64, 48).substr(0, 43) + "\x3B", "G refused"},  // no image
        {Gif("GIF89a", 64, 48, 0, 0, 0, 0, "\x00"s), "G refused"},
        {Gif("GIF89a", 0, 0), "G refused"},
        // The largest picture taken, a pixel more refused: one check after every format's reading.
        {Bmp(10000, -10000), "B 10000x10000 1"},
        {Png(10000, 10001), "P refused"},
        {Gif("GIF89a", 10, 10, 9990, 9990, 10, 10), "G 10x10 1"},  // the first image's extent counts
        {Gif("GIF89a", 10, 10, 9991, 9990, 10, 10), "G refused"}};
    for (const auto& [bytes, seen] : samples)
        EXPECT_EQ(Seen(bytes), seen) << testing::PrintToString(bytes.substr(0, 40));
}

TEST(PictureHeader, AWalkThatNeverEndsStops) {
    const std::string screen = "GIF89a" + Field(64, 2) + Field(48, 2) + std::string(3, '\0') + "\x21\xFE";
    const std::pair<std::string, std::string> endless[] = {{SOI, Segment(0xFE, "")}, {SOI, "\xFF"}, {screen, "\x01x"}};
    for (const auto& [prefix, pattern] : endless)  // empty comments, fill bytes, a comment's sub-blocks
        EXPECT_EQ(Seen(File{prefix, uint64_t{1} << 40, pattern}).substr(2), "refused") << pattern;
}

TEST(PictureHeader, MutatedAndCutFilesGiveASizeWithinTheLimitsOrNothing) {
    std::mt19937 random(18);
    for (const Sample& file : RealFiles())
        for (int round = 0; round < 3000; ++round) {
            std::string bytes = file.bytes;
            for (int n = 1 + random() % 4; n > 0; --n)
                bytes[random() % std::min(bytes.size(), file.headerEnd + 16)] = random() % 3 ? random() : 0xFF;
            if (random() % 4 == 0)
                bytes.resize(random() % bytes.size());
            File mutated{bytes, bytes.size()};
            PictureHeader h;
            const int32_t taken = ReadPictureHeader({&mutated, ReadFile, mutated.length}, h);
            EXPECT_TRUE(!taken ||
                        (h.format != PictureFormat::Unknown && h.width >= 1 && h.height >= 1 &&
                         int64_t{h.width} * h.height <= MAX_PICTURE_PIXELS && h.orientation >= 1 && h.orientation <= 8))
                << file.name << ", round " << round;
        }
}

}  // namespace
