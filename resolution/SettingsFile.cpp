#include "resolution/SettingsFile.h"

#include "app/Errors.h"
#include "app/Format.h"

#include <vector>

namespace vevove {

const char* const kSettingsFileName = "ScrDef.ini";

namespace {

// Closes a file handle however the function that opened it is left.
class OpenFile {
  public:
    OpenFile(Platform& os, Handle handle) : os_(os), handle_(handle) {}
    ~OpenFile() { os_.closeHandle(handle_); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    Handle handle() const { return handle_; }

  private:
    Platform& os_;
    Handle handle_;
};

constexpr std::uint32_t kReadChunk = 64 * 1024;

} // namespace

bool SettingsFileExists(Platform& os, const std::string& path) {
    FindData data;
    const Handle search = os.findFirstFile(path, data);
    if (search == 0) {
        return false;
    }
    os.findClose(search);
    if (data.attributes & kFileAttributeDirectory) {
        return false;
    }
    FileTime local = 0;
    std::uint16_t dosDate = 0;
    std::uint16_t dosTime = 0;
    return os.fileTimeToLocalFileTime(data.lastWriteTime, local) &&
           os.fileTimeToDosDateTime(local, dosDate, dosTime);
}

std::string ReadSettingsFile(Platform& os, const std::string& path) {
    const Handle handle =
        os.createFile(path, kGenericRead, kFileShareRead, kOpenExisting, kFileAttributeNormal);
    if (handle == 0) {
        RaiseLastSystemError(os);
    }
    const OpenFile file(os, handle);
    std::string bytes;
    std::vector<char> chunk(kReadChunk);
    for (;;) {
        std::uint32_t read = 0;
        if (!os.readFile(file.handle(), chunk.data(), kReadChunk, read)) {
            RaiseLastSystemError(os);
        }
        if (read == 0) {
            return bytes;
        }
        bytes.append(chunk.data(), read);
    }
}

void WriteSettingsFile(Platform& os, const std::string& path, const std::string& text) {
    const Handle handle =
        os.createFile(path, kGenericRead | kGenericWrite, 0, kCreateAlways, kFileAttributeNormal);
    if (handle == 0) {
        const std::string reason = SystemErrorText(os, os.getLastError());
        throw Error(ErrorKind::FileCreate, Format("Datei \"%s\" kann nicht erstellt werden. %s",
                                                  os.fullPathName(path).c_str(), reason.c_str()));
    }
    const OpenFile file(os, handle);
    const auto count = static_cast<std::uint32_t>(text.size());
    std::uint32_t written = 0;
    if (!os.writeFile(file.handle(), text.data(), count, written) || written != count) {
        throw Error(ErrorKind::Write, kWriteErrorText);
    }
}

} // namespace vevove
