#include "icons/uvirtalloc.h"
#include "tests/fakes/FakePlatform.h"
#include "tests/unit/ErrorThrownBy.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vevove::fake {
namespace {

class RemoteBufferTest : public ::testing::Test {
  protected:
    RemoteBufferTest() {
        os.desktop.startShell();
        os.messages.set(kErrorAccessDenied, "Zugriff verweigert.\r\n");
        os.messages.set(kErrorNoAccess, "Ung\xFCltiger Zugriff auf Speicheradresse.\r\n");
    }

    FakePlatform os;
    RemoteBuffer buffer;
    const std::uint32_t shell = os.desktop.process.id;
};

TEST_F(RemoteBufferTest, OpensTheProcessWithOnlyTheRightsItUsesAndANonExecutableBlock) {
    const RemoteAddress block = OpenRemoteBuffer(os, buffer, shell, 4095);
    ASSERT_NE(block, 0u);
    EXPECT_EQ(buffer.address, block);
    ASSERT_EQ(os.processHandles().size(), 1u);
    EXPECT_EQ(os.processHandles().begin()->first, buffer.process);
    EXPECT_EQ(os.processHandles().begin()->second, 0x0008u | 0x0010u | 0x0020u | 0x1000u);
    const auto& blocks = os.desktop.process.blocks();
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks.begin()->first, block);
    EXPECT_EQ(blocks.begin()->second.bytes.size(), 4095u);
    EXPECT_EQ(blocks.begin()->second.protect, 0x04u);

    CloseRemoteBuffer(os, buffer);
    EXPECT_TRUE(os.desktop.process.blocks().empty());
    EXPECT_EQ(os.handles.openHandles(), std::vector<std::string>{});
    EXPECT_EQ(buffer.process, 0u);
    EXPECT_EQ(buffer.address, 0u);
}

TEST_F(RemoteBufferTest, CopiesBytesToTheBlockAndBack) {
    const RemoteAddress block = OpenRemoteBuffer(os, buffer, shell, 4095);
    const std::string sent = "Papierkorb";
    WriteRemote(os, buffer, sent.data(), block + 4080, 10);
    std::string received(10, '\0');
    EXPECT_EQ(ReadRemote(os, buffer, block + 4080, received.data(), 10), 10u);
    EXPECT_EQ(received, sent);
    CloseRemoteBuffer(os, buffer);
}

TEST_F(RemoteBufferTest, ARefusedProcessShowsTheSystemErrorAndLeavesNothingOpen) {
    os.desktop.process.grantedAccess = 0x0400 | 0x0010;
    const Error error = ErrorThrownBy([&] { OpenRemoteBuffer(os, buffer, shell, 4095); });
    EXPECT_EQ(error.kind(), ErrorKind::System);
    EXPECT_EQ(error.systemCode(), kErrorAccessDenied);
    EXPECT_STREQ(error.what(), "Systemfehler.  Code: 5.\r\nZugriff verweigert");
    EXPECT_EQ(buffer.process, 0u);
    EXPECT_EQ(buffer.address, 0u);
    EXPECT_EQ(os.handles.openHandles(), std::vector<std::string>{});
}

TEST_F(RemoteBufferTest, ABlockThatCannotBeReservedClosesTheProcessAndKeepsItsCode) {
    os.calls.failNext("VirtualAllocEx", 8);
    const Error error = ErrorThrownBy([&] { OpenRemoteBuffer(os, buffer, shell, 4095); });
    EXPECT_EQ(error.systemCode(), 8u);
    EXPECT_EQ(os.handles.openHandles(), std::vector<std::string>{});
    EXPECT_EQ(buffer.process, 0u);
    EXPECT_EQ(buffer.address, 0u);
}

TEST_F(RemoteBufferTest, AFailedCopyRaisesTheSystemError) {
    const RemoteAddress block = OpenRemoteBuffer(os, buffer, shell, 4095);
    char bytes[8] = {};
    // Past the end of the block.
    Error error = ErrorThrownBy([&] { WriteRemote(os, buffer, bytes, block + 4090, 8); });
    EXPECT_EQ(error.systemCode(), kErrorNoAccess);
    EXPECT_STREQ(error.what(),
                 "Systemfehler.  Code: 998.\r\nUng\xFCltiger Zugriff auf Speicheradresse");
    error = ErrorThrownBy([&] { ReadRemote(os, buffer, block + 4090, bytes, 8); });
    EXPECT_EQ(error.systemCode(), kErrorPartialCopy);
    os.calls.failNext("ReadProcessMemory", 0);
    error = ErrorThrownBy([&] { ReadRemote(os, buffer, block, bytes, 8); });
    EXPECT_STREQ(error.what(), "Ein Aufruf einer Betriebssystemfunktion ist fehlgeschlagen");
    CloseRemoteBuffer(os, buffer);
}

TEST_F(RemoteBufferTest, CopiesWithoutAnOpenProcessDoNothing) {
    char bytes[4] = {'a', 'b', 'c', 'd'};
    WriteRemote(os, buffer, bytes, 0x1000, 4);
    EXPECT_EQ(ReadRemote(os, buffer, 0x1000, bytes, 4), 0u);
    EXPECT_EQ(std::string(bytes, 4), "abcd");
    CloseRemoteBuffer(os, buffer);
    EXPECT_EQ(os.calls.count("WriteProcessMemory"), 0);
    EXPECT_EQ(os.calls.count("ReadProcessMemory"), 0);
    EXPECT_EQ(os.calls.count("CloseHandle"), 0);
}

TEST_F(RemoteBufferTest, ABlockThatCannotBeReleasedStillClosesTheProcess) {
    OpenRemoteBuffer(os, buffer, shell, 4095);
    os.calls.failNext("VirtualFreeEx", kErrorAccessDenied);
    const Error error = ErrorThrownBy([&] { CloseRemoteBuffer(os, buffer); });
    EXPECT_EQ(error.systemCode(), kErrorAccessDenied);
    EXPECT_EQ(os.handles.openHandles(), std::vector<std::string>{});
    EXPECT_EQ(buffer.process, 0u);
    EXPECT_EQ(os.desktop.process.blocks().size(), 1u);
}

TEST_F(RemoteBufferTest, ASecondOpenAfterAFailedOneWorks) {
    os.calls.failNext("VirtualAllocEx", 8);
    ErrorThrownBy([&] { OpenRemoteBuffer(os, buffer, shell, 4095); });
    EXPECT_NE(OpenRemoteBuffer(os, buffer, shell, 4095), 0u);
    CloseRemoteBuffer(os, buffer);
    EXPECT_TRUE(os.desktop.process.blocks().empty());
    EXPECT_EQ(os.handles.openHandles(), std::vector<std::string>{});
}

} // namespace
} // namespace vevove::fake
