// The message filter of the desktop worker's apartment, for as long as its
// owner lives: a call that the shell rejects as busy ("retry later") is tried
// again after a moment, for as long as a shell busy for a moment may take.
#pragma once

#include <objbase.h>

namespace vevove {

class ShellMessageFilter final : public IMessageFilter {
  public:
    ShellMessageFilter();
    ~ShellMessageFilter();
    ShellMessageFilter(const ShellMessageFilter&) = delete;
    ShellMessageFilter& operator=(const ShellMessageFilter&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    // Lives on the owner's stack: references are not counted.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD callType, HTASK caller, DWORD tickCount,
                                               LPINTERFACEINFO interfaceInfo) override;
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK callee, DWORD tickCount,
                                              DWORD rejectType) override;
    DWORD STDMETHODCALLTYPE MessagePending(HTASK callee, DWORD tickCount,
                                           DWORD pendingType) override;

  private:
    IMessageFilter* previous_ = nullptr;
    bool registered_ = false;
};

} // namespace vevove
