#include "RemoteBlock.h"

#include "Errors.h"

namespace vevove {

RemoteBlock::RemoteBlock(RemoteMemory& memory, std::uint32_t processId, std::uint32_t size)
    : memory_(memory) {
    if (const auto failure = memory_.Open(processId, size, id_)) {
        RaiseSystemError(*failure);
    }
    open_ = true;
}

// Reached without Close() only on the way out of a failed command, whose
// error is the one to report: a failure to release here stays quiet.
RemoteBlock::~RemoteBlock() {
    if (open_) {
        memory_.Close(id_);
    }
}

void RemoteBlock::Write(RemoteAddress at, const void* bytes, std::uint32_t count) {
    if (const auto failure = memory_.Write(id_, at, bytes, count)) {
        RaiseSystemError(*failure);
    }
}

void RemoteBlock::Read(RemoteAddress at, void* bytes, std::uint32_t count) {
    if (const auto failure = memory_.Read(id_, at, bytes, count)) {
        RaiseSystemError(*failure);
    }
}

void RemoteBlock::Close() {
    if (!open_) {
        return;
    }
    open_ = false;
    if (const auto failure = memory_.Close(id_)) {
        RaiseSystemError(*failure);
    }
}

RemoteBlockId RemoteBlock::Abandon() {
    open_ = false;
    return id_;
}

} // namespace vevove
