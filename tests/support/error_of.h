#pragma once

#include "core/text/error.h"

#include <functional>
#include <string>

namespace trelkin::testing {

// The message of the error the action throws, or "no error".
inline std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.message().toStdString();
    }
    return "no error";
}

} // namespace trelkin::testing
