#include "RemoteBlock.h"
#include "ErrorThrownBy.h"
#include "FakeDesktop.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vevove::fake {
namespace {

class RemoteBlockTest : public ::testing::Test {
  protected:
    void TearDown() override {
        EXPECT_TRUE(desktop.blocks.empty());
        EXPECT_TRUE(desktop.openProcesses.empty());
    }

    FakeDesktop desktop;
    const std::uint32_t shell = desktop.shellProcessId;
};

TEST_F(RemoteBlockTest, ReservesTheBlockInTheShellUntilClosed) {
    desktop.shellPointerBits = 32;
    RemoteBlock block(desktop, shell, 4095);
    ASSERT_EQ(desktop.blocks.count(block.address()), 1u);
    EXPECT_EQ(desktop.blocks[block.address()].size(), 4095u);
    EXPECT_EQ(desktop.openProcesses.size(), 1u);
    EXPECT_EQ(block.pointerBits(), 32);
    block.Close();
    EXPECT_TRUE(desktop.blocks.empty());
    EXPECT_TRUE(desktop.openProcesses.empty());
}

TEST_F(RemoteBlockTest, CopiesBytesToTheBlockAndBack) {
    RemoteBlock block(desktop, shell, 4095);
    const std::string sent = "Papierkorb";
    block.Write(block.address() + 4080, sent.data(), 10);
    std::string received(10, '\0');
    block.Read(block.address() + 4080, received.data(), 10);
    EXPECT_EQ(received, sent);
    block.Close();
}

TEST_F(RemoteBlockTest, ARefusedOpenRaisesTheSystemErrorAndAFreshOneWorks) {
    desktop.failures.FailNext("Open", kErrorAccessDenied);
    const Error error = ErrorThrownBy([&] { RemoteBlock block(desktop, shell, 4095); });
    EXPECT_TRUE(desktop.failures.Fired("Open"));
    EXPECT_EQ(error.kind(), ErrorKind::System);
    EXPECT_EQ(error.systemCode(), kErrorAccessDenied);
    EXPECT_STREQ(error.what(), "Systemfehler.  Code: 5.\r\nZugriff verweigert");
    EXPECT_TRUE(desktop.openProcesses.empty());
    RemoteBlock block(desktop, shell, 4095);
    EXPECT_EQ(desktop.blocks.size(), 1u);
}

TEST_F(RemoteBlockTest, AFailedCopyRaisesTheSystemError) {
    RemoteBlock block(desktop, shell, 4095);
    char bytes[8] = {};
    // Past the end of the block.
    Error error = ErrorThrownBy([&] { block.Write(block.address() + 4090, bytes, 8); });
    EXPECT_EQ(error.systemCode(), kErrorPartialCopy);
    EXPECT_STREQ(error.what(),
                 "Systemfehler.  Code: 299.\r\nNur ein Teil der Anforderung wurde abgeschlossen");
    error = ErrorThrownBy([&] { block.Read(block.address() + 4090, bytes, 8); });
    EXPECT_EQ(error.systemCode(), kErrorPartialCopy);
    desktop.failures.FailNext("Read", 0);
    error = ErrorThrownBy([&] { block.Read(block.address(), bytes, 8); });
    EXPECT_TRUE(desktop.failures.Fired("Read"));
    EXPECT_STREQ(error.what(), "Ein Aufruf einer Betriebssystemfunktion ist fehlgeschlagen");
    block.Close();
}

TEST_F(RemoteBlockTest, ABlockThatCannotBeReleasedIsReportedAndTheProcessClosed) {
    RemoteBlock block(desktop, shell, 4095);
    desktop.failures.FailNext("Close", kErrorAccessDenied);
    const Error error = ErrorThrownBy([&] { block.Close(); });
    EXPECT_TRUE(desktop.failures.Fired("Close"));
    EXPECT_EQ(error.systemCode(), kErrorAccessDenied);
    EXPECT_TRUE(desktop.openProcesses.empty());
    EXPECT_EQ(desktop.blocks.size(), 1u);
    desktop.blocks.clear();
}

// Leaving the scope without Close(), as a failed command does: the block is
// released, and a failure to release it gives way to the command's error.
TEST_F(RemoteBlockTest, ABlockNotClosedIsReleasedQuietly) {
    for (const bool releaseFails : {false, true}) {
        desktop.failures.Clear();
        if (releaseFails) {
            desktop.failures.FailNext("Close", kErrorAccessDenied);
        }
        const Error error = ErrorThrownBy([&] {
            RemoteBlock block(desktop, shell, 4095);
            throw Error(ErrorKind::System, "the command's own error");
        });
        EXPECT_STREQ(error.what(), "the command's own error");
        EXPECT_EQ(desktop.failures.Fired("Close"), releaseFails);
        EXPECT_TRUE(desktop.openProcesses.empty());
        EXPECT_EQ(desktop.blocks.size(), releaseFails ? 1u : 0u);
        desktop.blocks.clear();
    }
}

// A block the shell may still use stays with it, to be released later.
TEST_F(RemoteBlockTest, AnAbandonedBlockStaysUntilReleasedThroughTheMemory) {
    RemoteBlockId kept;
    {
        RemoteBlock block(desktop, shell, 4095);
        kept = block.Abandon();
        EXPECT_EQ(kept.address, block.address());
    }
    EXPECT_EQ(desktop.blocks.count(kept.address), 1u);
    EXPECT_EQ(desktop.openProcesses.count(kept.process), 1u);
    EXPECT_FALSE(desktop.Close(kept).has_value());
}

TEST_F(RemoteBlockTest, AClosedBlockIsNotReleasedAgain) {
    {
        RemoteBlock block(desktop, shell, 4095);
        block.Close();
        desktop.failures.FailNext("Close", kErrorAccessDenied);
        block.Close();
    }
    EXPECT_FALSE(desktop.failures.Fired("Close"));
}

} // namespace
} // namespace vevove::fake
