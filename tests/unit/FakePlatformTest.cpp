// The simulated platform must behave like Windows where the logic's tests
// depend on it; these cases pin down the rules it copies.
#include "tests/fakes/FakePlatform.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace vevove::fake {
namespace {

TEST(FakeClock, DosDatesCoverTheYears1980To2107) {
    std::uint16_t date = 0;
    std::uint16_t time = 0;
    std::uint32_t lastError = 0;
    ASSERT_TRUE(ToDosDateTime(MakeFileTime(1980, 1, 1), date, time, lastError));
    EXPECT_EQ(date, (0 << 9) | (1 << 5) | 1);
    EXPECT_EQ(time, 0);
    ASSERT_TRUE(ToDosDateTime(MakeFileTime(2107, 12, 31, 23, 59, 59), date, time, lastError));
    EXPECT_EQ(date, (127 << 9) | (12 << 5) | 31);
    EXPECT_EQ(time, (23 << 11) | (59 << 5) | 29);
    ASSERT_TRUE(ToDosDateTime(MakeFileTime(2024, 2, 29, 13, 7, 10), date, time, lastError));
    EXPECT_EQ(date, (44 << 9) | (2 << 5) | 29);
    EXPECT_EQ(time, (13 << 11) | (7 << 5) | 5);
    EXPECT_EQ(lastError, 0u);

    EXPECT_FALSE(ToDosDateTime(MakeFileTime(1979, 12, 31, 23, 59, 59), date, time, lastError));
    EXPECT_EQ(lastError, kErrorInvalidParameter);
    EXPECT_FALSE(ToDosDateTime(MakeFileTime(2108, 1, 1), date, time, lastError));
    EXPECT_FALSE(ToDosDateTime(0x8000000000000000u, date, time, lastError));
}

TEST(FakeClock, LocalTimeIsShiftedByTheOffsetAndStaysAValidFileTime) {
    FakeClock clock;
    clock.localOffset = 2 * kTicksPerHour;
    FileTime local = 0;
    std::uint32_t lastError = 0;
    ASSERT_TRUE(clock.toLocal(MakeFileTime(2024, 5, 1, 23), local, lastError));
    EXPECT_EQ(local, MakeFileTime(2024, 5, 2, 1));
    EXPECT_FALSE(clock.toLocal(0x7FFFFFFFFFFFFFFFu, local, lastError));
    EXPECT_EQ(lastError, kErrorInvalidParameter);

    clock.localOffset = -kTicksPerHour;
    EXPECT_FALSE(clock.toLocal(0, local, lastError));
}

TEST(FakeFileSystem, ResolvesPathsLikeGetFullPathName) {
    FakePlatform os;
    os.files.currentFolder = "D:\\Work\\Vevove";
    EXPECT_EQ(os.fullPathName("ScrDef.ini"), "D:\\Work\\Vevove\\ScrDef.ini");
    EXPECT_EQ(os.fullPathName("\\ScrDef.ini"), "D:\\ScrDef.ini");
    EXPECT_EQ(os.fullPathName("..\\.\\a/b\\"), "D:\\Work\\a\\b\\");
    EXPECT_EQ(os.fullPathName("D:x"), "D:\\Work\\Vevove\\x");
    EXPECT_EQ(os.fullPathName("E:x"), "E:\\x");
    EXPECT_EQ(os.fullPathName("C:\\a\\..\\..\\b"), "C:\\b");
    os.files.currentFolder = "C:\\";
    EXPECT_EQ(os.fullPathName("x"), "C:\\x");
    EXPECT_EQ(os.fullPathName(""), "");
    EXPECT_EQ(os.lastError, kErrorInvalidName);
}

TEST(FakeFileSystem, NamesDifferingOnlyInCaseAreOneFile) {
    FakePlatform os;
    os.files.addFile("C:\\ProgramData\\ScrDef.ini", "x");
    EXPECT_TRUE(os.files.isFile("c:\\PROGRAMDATA\\scrdef.INI"));
    FindData data;
    const Handle search = os.findFirstFile("C:/programdata/SCRDEF.ini", data);
    ASSERT_NE(search, 0u);
    os.findClose(search);
    EXPECT_EQ(os.handles.openHandles(), std::vector<std::string>{});
}

TEST(FakeFileSystem, SetsTheLastErrorOfAFailedOpen) {
    FakePlatform os;
    os.files.addFolder("C:\\Folder");
    EXPECT_EQ(os.createFile("C:\\Nothing", kGenericRead, kFileShareRead, kOpenExisting, 0), 0u);
    EXPECT_EQ(os.lastError, kErrorFileNotFound);
    EXPECT_EQ(os.createFile("C:\\No\\Thing", kGenericRead, 0, kCreateAlways, 0), 0u);
    EXPECT_EQ(os.lastError, kErrorPathNotFound);
    EXPECT_EQ(os.createFile("C:\\Folder", kGenericWrite, 0, kCreateAlways, 0), 0u);
    EXPECT_EQ(os.lastError, kErrorAccessDenied);
    os.files.addFile("C:\\ReadOnly", "x", os.clock.now, kFileAttributeReadOnly);
    EXPECT_EQ(os.createFile("C:\\ReadOnly", kGenericWrite, 0, kCreateAlways, 0), 0u);
    EXPECT_EQ(os.lastError, kErrorAccessDenied);
}

TEST(FakeFileSystem, CreateAlwaysTellsWhetherItReplacedAFile) {
    FakePlatform os;
    os.lastError = kErrorAccessDenied;
    const Handle created =
        os.createFile("C:\\new", kGenericWrite, 0, kCreateAlways, kFileAttributeNormal);
    EXPECT_EQ(os.lastError, 0u);
    os.closeHandle(created);
    const Handle replaced =
        os.createFile("C:\\new", kGenericWrite, 0, kCreateAlways, kFileAttributeNormal);
    EXPECT_EQ(os.lastError, kErrorAlreadyExists);
    os.closeHandle(replaced);
    EXPECT_EQ(os.handles.openHandles(), std::vector<std::string>{});
}

TEST(FakeFileSystem, OpeningFollowsTheSharingRules) {
    FakePlatform os;
    const std::string path = "C:\\f";
    os.files.addFile(path, "x");
    const auto canRead = [&] {
        const Handle file = os.createFile(path, kGenericRead, kFileShareRead, kOpenExisting, 0);
        if (file != 0) {
            os.closeHandle(file);
        }
        return file != 0;
    };

    os.files.openElsewhere(path, kGenericRead, kFileShareRead);
    EXPECT_TRUE(canRead());
    os.files.closeElsewhere(path);

    os.files.openElsewhere(path, kGenericWrite, kFileShareRead | kFileShareWrite);
    EXPECT_FALSE(canRead());
    EXPECT_EQ(os.lastError, kErrorSharingViolation);
    os.files.closeElsewhere(path);

    os.files.openElsewhere(path, kGenericRead, 0);
    EXPECT_FALSE(canRead());
    os.files.closeElsewhere(path);

    // A handle that only looks at the file's attributes shares everything.
    os.files.openElsewhere(path, 0, 0);
    EXPECT_TRUE(canRead());
    os.files.closeElsewhere(path);

    // Our own handles count the same way.
    const Handle writer = os.createFile(path, kGenericWrite, kFileShareRead, kCreateAlways, 0);
    EXPECT_FALSE(canRead());
    os.closeHandle(writer);
    EXPECT_TRUE(canRead());
}

TEST(FakeFileSystem, AFullDiskTakesWhatFitsThenRefuses) {
    FakePlatform os;
    os.files.setFreeSpace(5);
    const Handle file = os.createFile("C:\\f", kGenericWrite, 0, kCreateAlways, 0);
    std::uint32_t written = 0;
    EXPECT_TRUE(os.writeFile(file, "abc", 3, written));
    EXPECT_EQ(written, 3u);
    EXPECT_TRUE(os.writeFile(file, "defg", 4, written));
    EXPECT_EQ(written, 2u);
    EXPECT_FALSE(os.writeFile(file, "h", 1, written));
    EXPECT_EQ(written, 0u);
    EXPECT_EQ(os.lastError, kErrorDiskFull);
    os.closeHandle(file);
    EXPECT_EQ(os.files.contents("C:\\f"), "abcde");

    // Replacing the file gives its space back.
    const Handle again = os.createFile("C:\\f", kGenericWrite, 0, kCreateAlways, 0);
    EXPECT_TRUE(os.writeFile(again, "vwxyz", 5, written));
    EXPECT_EQ(written, 5u);
    os.closeHandle(again);
}

TEST(FakeFileSystem, ReadsAndWritesNeedTheRightAccess) {
    FakePlatform os;
    os.files.addFile("C:\\f", "abc");
    char buffer[4] = {};
    std::uint32_t count = 0;
    const Handle reader = os.createFile("C:\\f", kGenericRead, kFileShareRead, kOpenExisting, 0);
    EXPECT_FALSE(os.writeFile(reader, "x", 1, count));
    EXPECT_EQ(os.lastError, kErrorAccessDenied);
    EXPECT_TRUE(os.readFile(reader, buffer, 2, count));
    EXPECT_EQ(std::string(buffer, count), "ab");
    EXPECT_TRUE(os.readFile(reader, buffer, 4, count));
    EXPECT_EQ(std::string(buffer, count), "c");
    EXPECT_TRUE(os.readFile(reader, buffer, 4, count));
    EXPECT_EQ(count, 0u);
    os.closeHandle(reader);
    EXPECT_FALSE(os.readFile(reader, buffer, 4, count));
    EXPECT_EQ(os.lastError, kErrorInvalidHandle);
}

TEST(FakeHandles, WrongClosesAreRecordedAndLeaveTheHandleOpen) {
    FakePlatform os;
    os.files.addFile("C:\\f", "x");
    FindData data;
    const Handle search = os.findFirstFile("C:\\f", data);
    EXPECT_FALSE(os.closeHandle(search));
    EXPECT_EQ(os.handles.openHandles(), std::vector<std::string>{"search C:\\f"});
    os.findClose(search);
    os.findClose(search);
    EXPECT_EQ(os.handles.misuses().size(), 2u);

    const Handle file = os.createFile("C:\\f", kGenericRead, kFileShareRead, kOpenExisting, 0);
    os.calls.failNext("CloseHandle", kErrorInvalidHandle);
    EXPECT_FALSE(os.closeHandle(file));
    EXPECT_EQ(os.handles.openHandles(), std::vector<std::string>{"file C:\\f"});
    EXPECT_TRUE(os.closeHandle(file));
    EXPECT_FALSE(os.closeHandle(file));
    EXPECT_EQ(os.handles.misuses().size(), 3u);
}

TEST(FakeCalls, InjectedFailuresFireWhenAndAsOftenAsAsked) {
    FakePlatform os;
    std::string text;
    os.calls.failNext("FormatMessageA", kErrorInvalidParameter, 1);
    EXPECT_TRUE(os.formatMessage(kErrorAccessDenied, 256, text));
    EXPECT_FALSE(os.formatMessage(kErrorAccessDenied, 256, text));
    EXPECT_EQ(os.lastError, kErrorInvalidParameter);
    EXPECT_TRUE(os.formatMessage(kErrorAccessDenied, 256, text));

    os.calls.failAlways("FormatMessageA", kErrorAccessDenied);
    EXPECT_FALSE(os.formatMessage(kErrorAccessDenied, 256, text));
    EXPECT_FALSE(os.formatMessage(kErrorAccessDenied, 256, text));
    os.calls.clearFailures();
    EXPECT_TRUE(os.formatMessage(kErrorAccessDenied, 256, text));
    EXPECT_EQ(os.calls.count("FormatMessageA"), 6);

    EXPECT_THROW(os.calls.failNext("FormatMessage", 5), std::invalid_argument);
}

} // namespace
} // namespace vevove::fake
