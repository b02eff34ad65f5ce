// How the desktop's apartment takes the calls that clients make on the
// folder view's objects (StandinFolderView.h): its message filter holds each
// one for a while before it runs, as a slow desktop does (--call-delay), and
// turns one away on request, as a busy desktop does (kStandinRejectNextCall).
// COM's own calls, which come in on the same thread, go through at once:
// those that fetch the class object and make the first object, and those
// that count references and ask for interfaces (IRemUnknown).
//
// A busy server on Windows answers SERVERCALL_RETRYLATER, after which the
// client's own message filter may call again (RetryRejectedCall); without
// one, the client gets RPC_E_CALL_REJECTED (0x80010001). Wine 8 runs a call
// answered so at once, as if the server had taken it, and never asks a
// client's filter. So the desktop refuses the call outright
// (SERVERCALL_REJECTED), for which Wine gives the client that same
// RPC_E_CALL_REJECTED without running the call, and no retry.
#pragma once

#include <windows.h>

// Puts the filter on the calling thread's single-threaded apartment, holding
// each call `delay` milliseconds; the apartment lets go of it when it ends.
HRESULT FilterIncomingCalls(DWORD delay);
void RejectNextCall();
// How many calls have been turned away so far.
int RejectedCalls();
