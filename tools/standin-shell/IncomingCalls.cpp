#include "IncomingCalls.h"

#include "ComObject.h"

#include <objbase.h>

namespace {

DWORD g_delay = 0;
bool g_rejectNext = false;
int g_rejected = 0;

// One for the process, kept by the apartment for as long as it lasts. The
// desktop calls no one, so only incoming calls come to it.
class CallFilter final : public IMessageFilter {
  public:
    STDMETHODIMP QueryInterface(REFIID riid, void** result) override {
        if (result == nullptr) {
            return E_POINTER;
        }
        *result = nullptr;
        if (riid == IID_IUnknown || riid == IID_IMessageFilter) {
            return Hand(static_cast<IMessageFilter*>(this), result);
        }
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    // A call turned away is turned away at once.
    STDMETHODIMP_(DWORD) HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO call) override {
        if (call == nullptr || !ComObject::Holds(call->pUnk)) {
            return SERVERCALL_ISHANDLED;
        }
        if (g_rejectNext) {
            g_rejectNext = false;
            ++g_rejected;
            return SERVERCALL_REJECTED;
        }
        Sleep(g_delay);
        return SERVERCALL_ISHANDLED;
    }
    STDMETHODIMP_(DWORD) RetryRejectedCall(HTASK, DWORD, DWORD) override {
        return static_cast<DWORD>(-1);
    }
    STDMETHODIMP_(DWORD) MessagePending(HTASK, DWORD, DWORD) override {
        return PENDINGMSG_WAITDEFPROCESS;
    }
};

CallFilter g_filter;

} // namespace

HRESULT FilterIncomingCalls(DWORD delay) {
    g_delay = delay;
    return CoRegisterMessageFilter(&g_filter, nullptr);
}

void RejectNextCall() {
    g_rejectNext = true;
}

int RejectedCalls() {
    return g_rejected;
}
