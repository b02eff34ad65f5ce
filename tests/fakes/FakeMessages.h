// The system's descriptions of error codes, as FormatMessageA gives them.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace vevove::fake {

class FakeMessages {
  public:
    // Starts with the texts of an English Windows for the codes the fake sets
    // itself, each ending in a full stop and CR LF like the real ones.
    FakeMessages();

    void set(std::uint32_t code, const std::string& text) { texts_[code] = text; }

    // FormatMessageA into a buffer of `capacity` characters: fails with
    // ERROR_MR_MID_NOT_FOUND for an unknown code and ERROR_INSUFFICIENT_BUFFER
    // when the text and its NUL do not fit.
    bool format(std::uint32_t code, std::size_t capacity, std::string& text,
                std::uint32_t& lastError) const;

  private:
    std::map<std::uint32_t, std::string> texts_;
};

} // namespace vevove::fake
