// What every COM object of the folder view shares: its reference count, and
// the count of such objects alive, which LiveFolderViewObjects() reports. An
// object starts with one reference, its creator's; each class answers AddRef
// and Release with Add() and Drop(), for all its interfaces at once. Objects
// are made with new, which keeps where each lies, so that an interface can be
// told for one of theirs (Holds) without calling it.
#pragma once

#include <windows.h>

#include <oaidl.h>

#include <cstddef>
#include <iterator>
#include <map>

class ComObject {
  public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    static int Alive() { return alive_; }
    // Whether `address` lies within an object alive, as each of its
    // interfaces does.
    static bool Holds(const void* address) {
        const auto* at = static_cast<const char*>(address);
        const auto after = blocks_.upper_bound(at);
        if (after == blocks_.begin()) {
            return false;
        }
        const auto& [start, size] = *std::prev(after);
        return at < start + size;
    }

    static void* operator new(std::size_t size) {
        void* block = ::operator new(size);
        blocks_[static_cast<const char*>(block)] = size;
        return block;
    }
    static void operator delete(void* block) {
        blocks_.erase(static_cast<const char*>(block));
        ::operator delete(block);
    }

  protected:
    ComObject() { InterlockedIncrement(&alive_); }
    virtual ~ComObject() { InterlockedDecrement(&alive_); }

    ULONG Add() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG Drop() {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

  private:
    static inline LONG alive_ = 0;
    // Where each object lies and its size, by its first byte.
    static inline std::map<const char*, std::size_t> blocks_;
    LONG references_ = 1;
};

// Hands out `offered` (already the interface asked for) with one reference.
template <class Interface> HRESULT Hand(Interface* offered, void** result) {
    offered->AddRef();
    *result = offered;
    return S_OK;
}

// The dispatch half of a dual interface that clients call only through its
// table of methods, as Explorer's own clients do.
template <class Interface> class WithoutAutomation : public Interface {
  public:
    STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                        UINT*) override {
        return E_NOTIMPL;
    }
};
