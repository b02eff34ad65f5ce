#include "ShellMessageFilter.h"

#include "Trace.h"

namespace vevove {

namespace {

constexpr DWORD kRetryForMs = 2000;
constexpr DWORD kRetryAfterMs = 50;
// RetryRejectedCall's answer that cancels the call.
constexpr DWORD kCancelCall = static_cast<DWORD>(-1);

} // namespace

ShellMessageFilter::ShellMessageFilter()
    : registered_(SUCCEEDED(CoRegisterMessageFilter(this, &previous_))) {}

ShellMessageFilter::~ShellMessageFilter() {
    if (registered_) {
        IMessageFilter* ours = nullptr;
        CoRegisterMessageFilter(previous_, &ours);
    }
    if (previous_ != nullptr) {
        previous_->Release();
    }
}

HRESULT STDMETHODCALLTYPE ShellMessageFilter::QueryInterface(REFIID id, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (id == __uuidof(IUnknown) || id == __uuidof(IMessageFilter)) {
        *object = static_cast<IMessageFilter*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

// The worker serves nobody: whatever comes in is handled as usual.
DWORD STDMETHODCALLTYPE ShellMessageFilter::HandleInComingCall(DWORD, HTASK, DWORD,
                                                               LPINTERFACEINFO) {
    return SERVERCALL_ISHANDLED;
}

DWORD STDMETHODCALLTYPE ShellMessageFilter::RetryRejectedCall(HTASK, DWORD tickCount,
                                                              DWORD rejectType) {
    if (rejectType != SERVERCALL_RETRYLATER || tickCount >= kRetryForMs) {
        return kCancelCall;
    }
    Trace("desktop worker: the shell asked to retry later");
    return kRetryAfterMs;
}

DWORD STDMETHODCALLTYPE ShellMessageFilter::MessagePending(HTASK, DWORD, DWORD) {
    return PENDINGMSG_WAITDEFPROCESS;
}

} // namespace vevove
