#pragma once

#include "Errors.h"

#include <gtest/gtest.h>

#include <functional>

namespace vevove {

// The error that `action` throws; fails the test when it throws none.
inline Error ErrorThrownBy(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& error) {
        return error;
    }
    ADD_FAILURE() << "no error was thrown";
    return Error(ErrorKind::System, "");
}

} // namespace vevove
