// How the desktop matches names: two names match exactly when their keys are
// equal (case ignored, in the user's locale, as the list view's own search by
// text compares).
#pragma once

#include "Errors.h"

#include <optional>
#include <string>

namespace vevove {

class NameMatching {
  public:
    virtual ~NameMatching() = default;

    virtual std::optional<SystemFailure> MatchKey(const std::u16string& name, std::string& key) = 0;
};

} // namespace vevove
