// What every COM object of the folder view shares: its reference count, and
// the count of such objects alive, which LiveFolderViewObjects() reports. An
// object starts with one reference, its creator's; each class answers AddRef
// and Release with Add() and Drop(), for all its interfaces at once.
#pragma once

#include <windows.h>

#include <oaidl.h>

class ComObject {
  public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    static int Alive() { return alive_; }

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
