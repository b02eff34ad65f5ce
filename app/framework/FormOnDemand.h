// A form that is made the first time it is asked for: the program's start
// does not wait for windows that the user may never open.
#pragma once

#include "Application.h"

#include <memory>

namespace vevove {

template <typename FormType> class FormOnDemand {
  public:
    explicit FormOnDemand(Application& application) : application_(application) {}

    FormType& Get() {
        if (!form_) {
            form_ = std::make_unique<FormType>(application_);
            application_.AddForm(*form_);
        }
        return *form_;
    }

  private:
    Application& application_;
    std::unique_ptr<FormType> form_;
};

} // namespace vevove
