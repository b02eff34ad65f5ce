// The simulated registry and desktop shell must behave like Windows where the
// icon commands' tests depend on it; these cases pin down the rules they copy.
#include "tests/fakes/FakePlatform.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace vevove::fake {
namespace {

constexpr const char* kKey = "Software\\Test";

TEST(FakeRegistry, ValueNamesCompareWithoutCaseAndKeepTheirFirstSpelling) {
    FakeRegistry registry;
    registry.setValue(kKey, "Papierkorb", kRegBinaryType, {1});
    registry.setValue(kKey, "PAPIERKORB", kRegBinaryType, {2});
    ASSERT_EQ(registry.values(kKey).size(), 1u);
    EXPECT_EQ(registry.values(kKey)[0].name, "Papierkorb");
    EXPECT_EQ(registry.values(kKey)[0].data, std::vector<std::uint8_t>{2});
    EXPECT_TRUE(registry.hasKey("SOFTWARE\\test"));
}

TEST(FakeRegistry, EnumerationReportsValuesTooBigForTheBuffers) {
    FakeRegistry registry;
    registry.setValue(kKey, "abc", kRegBinaryType, {1, 2, 3});
    RegistryKey key = 0;
    ASSERT_EQ(registry.openKey(kHkeyCurrentUser, kKey, 1, key), 0);
    std::string name;
    std::uint32_t type = 0;
    std::uint8_t data[8] = {};
    std::uint32_t nameLength = 3;
    std::uint32_t size = 8;
    EXPECT_EQ(registry.enumValue(key, 0, name, nameLength, type, data, size), 234);
    nameLength = 4;
    size = 2;
    EXPECT_EQ(registry.enumValue(key, 0, name, nameLength, type, data, size), 234);
    EXPECT_EQ(size, 3u);
    size = 8;
    EXPECT_EQ(registry.enumValue(key, 0, name, nameLength, type, data, size), 0);
    EXPECT_EQ(name, "abc");
    EXPECT_EQ(nameLength, 3u);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(registry.enumValue(key, 1, name, nameLength, type, data, size), 259);
    EXPECT_EQ(registry.closeKey(key), 0);
    EXPECT_EQ(registry.closeKey(key), 6);
}

TEST(FakeRegistry, AKeyOpenedForQueryingTakesNoValuesAndOneWithSubKeysStays) {
    FakeRegistry registry;
    registry.addKey("Software\\Test\\Sub");
    RegistryKey key = 0;
    ASSERT_EQ(registry.openKey(kHkeyCurrentUser, kKey, 1, key), 0);
    const std::uint8_t byte = 1;
    EXPECT_EQ(registry.setValue(key, "x", kRegBinaryType, &byte, 1), 5);
    registry.closeKey(key);
    EXPECT_EQ(registry.deleteKey(kHkeyCurrentUser, kKey), 5);
    EXPECT_EQ(registry.deleteKey(kHkeyCurrentUser, "Software\\Test\\Sub"), 0);
    EXPECT_EQ(registry.deleteKey(kHkeyCurrentUser, kKey), 0);
    EXPECT_EQ(registry.deleteKey(kHkeyCurrentUser, kKey), 2);
}

// The 40-byte record of a 32-bit shell: read by a 32-bit shell, the text
// arrives behind it; read by a 64-bit shell, it never arrives.
TEST(FakeListView, ReadsRecordsInTheLayoutOfTheShellsPointerWidth) {
    for (const int bits : {32, 64}) {
        FakeShellProcess process;
        process.pointerBits = bits;
        FakeListView listView(process);
        listView.add("Papierkorb", 1, 2);
        const RemoteAddress block = process.reserve(4095, 4);
        std::uint8_t record[40] = {};
        const auto text = static_cast<std::uint32_t>(block + 40);
        std::memcpy(record + 20, &text, 4);
        record[24] = 255;
        ASSERT_TRUE(process.write(block, record, sizeof record));
        char received[11] = {};
        const std::int64_t length = listView.message(0x102D, 0, static_cast<std::int64_t>(block));
        ASSERT_TRUE(process.read(block + 40, received, 10));
        if (bits == 32) {
            EXPECT_EQ(length, 10);
            EXPECT_STREQ(received, "Papierkorb");
        } else {
            EXPECT_EQ(length, 0);
            EXPECT_STREQ(received, "");
        }
    }
}

TEST(FakeShellProcess, CopiesStayInsideTheirBlock) {
    FakeShellProcess process;
    const RemoteAddress block = process.reserve(16, 4);
    EXPECT_GT(block, 0xFFFFFFFFull);
    std::uint8_t bytes[16] = {};
    EXPECT_TRUE(process.write(block, bytes, 16));
    EXPECT_FALSE(process.write(block + 1, bytes, 16));
    EXPECT_FALSE(process.read(block - 1, bytes, 1));
    EXPECT_TRUE(process.release(block));
    EXPECT_FALSE(process.read(block, bytes, 1));
    EXPECT_FALSE(process.release(block));
}

} // namespace
} // namespace vevove::fake
