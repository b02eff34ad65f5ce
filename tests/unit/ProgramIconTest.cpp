// The program icon as generated into resources/: one icon group of seven
// images, 16, 32 and 48 pixels in 256 colours and in 32-bit colour, and 128
// pixels in 32-bit colour.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <tuple>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes ReadFile(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

unsigned Word(const Bytes& data, std::size_t at) {
    return data.at(at) | (data.at(at + 1) << 8);
}

std::uint32_t DoubleWord(const Bytes& data, std::size_t at) {
    return Word(data, at) | (static_cast<std::uint32_t>(Word(data, at + 2)) << 16);
}

// Width, height and bits per pixel, as the image's own header gives them.
using ImageKind = std::tuple<int, int, int>;

std::vector<ImageKind> ImagesOf(const Bytes& icon) {
    std::vector<ImageKind> images;
    const unsigned count = Word(icon, 4);
    for (unsigned i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        const std::uint32_t size = DoubleWord(icon, entry + 8);
        const std::uint32_t offset = DoubleWord(icon, entry + 12);
        EXPECT_LE(offset + size, icon.size()) << "image " << i;
        EXPECT_EQ(DoubleWord(icon, offset), 40u) << "image " << i << " header size";
        const int width = static_cast<int>(DoubleWord(icon, offset + 4));
        // The height counts the picture and its mask.
        const int height = static_cast<int>(DoubleWord(icon, offset + 8)) / 2;
        const int bits = static_cast<int>(Word(icon, offset + 14));
        EXPECT_EQ(Word(icon, entry + 6), static_cast<unsigned>(bits)) << "image " << i;
        EXPECT_EQ(icon.at(entry) == 0 ? 256 : icon.at(entry), width) << "image " << i;
        images.emplace_back(width, height, bits);
    }
    return images;
}

TEST(ProgramIconTest, HoldsSevenImagesOfTheRightSizesAndDepths) {
    const Bytes icon = ReadFile(VEVOVE_SOURCE_DIR "/resources/Vevove.ico");
    ASSERT_GE(icon.size(), 6u);
    EXPECT_EQ(Word(icon, 0), 0u);
    EXPECT_EQ(Word(icon, 2), 1u); // an icon, not a cursor
    std::vector<ImageKind> images = ImagesOf(icon);
    std::sort(images.begin(), images.end());
    const std::vector<ImageKind> expected = {{16, 16, 8}, {16, 16, 32}, {32, 32, 8},   {32, 32, 32},
                                             {48, 48, 8}, {48, 48, 32}, {128, 128, 32}};
    EXPECT_EQ(images, expected);
}

} // namespace
