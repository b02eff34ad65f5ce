// The calling thread's single-threaded COM apartment for as long as its owner
// lives: entered where it can be, and left only where it was entered.
#pragma once

#include <objbase.h>

namespace vevove {

class ComApartment {
  public:
    ComApartment() : entered_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (entered_) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    bool entered_;
};

} // namespace vevove
