// The platform seam carried out by the real Win32 API.
#pragma once

#include "platform/Platform.h"

namespace vevove {

class Win32Platform final : public Platform {
  public:
    std::uint32_t getLastError() override;
    bool formatMessage(std::uint32_t code, std::size_t capacity, std::string& text) override;

    std::string moduleFileName() override;
    std::string lowerCase(const std::string& text) override;
    bool isLeadByte(std::uint8_t byte) override;

    std::int32_t specialFolderLocation(int folder, IdListHandle& list) override;
    bool pathFromIdList(IdListHandle list, std::string& path) override;
    void freeIdList(IdListHandle list) override;

    Handle findFirstFile(const std::string& pattern, FindData& data) override;
    void findClose(Handle search) override;
    bool fileTimeToLocalFileTime(FileTime utc, FileTime& local) override;
    bool fileTimeToDosDateTime(FileTime time, std::uint16_t& date, std::uint16_t& dosTime) override;
    Handle createFile(const std::string& path, std::uint32_t access, std::uint32_t share,
                      std::uint32_t disposition, std::uint32_t attributes) override;
    bool readFile(Handle file, void* buffer, std::uint32_t count, std::uint32_t& read) override;
    bool writeFile(Handle file, const void* data, std::uint32_t count,
                   std::uint32_t& written) override;
    bool closeHandle(Handle handle) override;
    std::string fullPathName(const std::string& path) override;

    std::string windowText(WindowHandle window) override;
    void setWindowText(WindowHandle window, const std::string& text) override;
    bool isChecked(WindowHandle checkBox) override;
    void setChecked(WindowHandle checkBox, bool checked) override;

    int systemMetrics(int index) override;
    bool enumDisplaySettings(std::uint32_t modeNumber, DisplayMode& mode) override;
    std::int32_t changeDisplaySettings(const DisplayMode& mode, std::uint32_t flags) override;
};

} // namespace vevove
