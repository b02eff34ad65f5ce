#include "Win32Platform.h"

#include "DesktopWays.h"
#include "ScopeGuard.h"
#include "SystemFailureText.h"

#include <array>
#include <utility>

namespace vevove {

namespace {

const DesktopFailure kNotAnswering{DesktopFailure::Kind::NotAnswering, {}};

// LCMapStringW's sort keys compare equal exactly when CompareStringW finds
// the texts equal, which is how lstrcmpiW, and with it the list view's search
// by text, compares: without regard to case, in the user's locale.
constexpr DWORD kMatchKeyFlags = LCMAP_SORTKEY | NORM_IGNORECASE;

// The key into `bytes` of `size`; 0 when it does not fit or fails.
int MapToSortKey(const std::u16string& text, BYTE* bytes, int size) {
    return LCMapStringW(LOCALE_USER_DEFAULT, kMatchKeyFlags,
                        reinterpret_cast<const wchar_t*>(text.c_str()), -1,
                        reinterpret_cast<LPWSTR>(bytes), size);
}

} // namespace

// The program's side of a session on the shell thread: each call is handed
// to the thread, its answer copied back once it came in time.
class ThreadedIconView final : public DesktopIconView {
  public:
    ThreadedIconView(Win32DesktopIcons& owner, std::shared_ptr<ShellThread> thread)
        : owner_(owner), thread_(std::move(thread)) {
        owner_.viewOpen_ = true;
    }
    ~ThreadedIconView() override {
        thread_->End();
        if (!thread_->Ended()) {
            owner_.leftBehind_ = thread_;
        }
        owner_.viewOpen_ = false;
    }

    DesktopResult Icons(IconParts parts, std::vector<DesktopIcon>& icons) override {
        return Ask(icons, [parts](DesktopIconView& session, std::vector<DesktopIcon>& answer) {
            return session.Icons(parts, answer);
        });
    }
    DesktopResult FileNames(const std::vector<std::size_t>& icons,
                            std::vector<std::u16string>& names) override {
        return Ask(names, [icons](DesktopIconView& session, std::vector<std::u16string>& answer) {
            return session.FileNames(icons, answer);
        });
    }
    DesktopResult AutoArrange(bool& on) override {
        return Ask(
            on, [](DesktopIconView& session, bool& answer) { return session.AutoArrange(answer); });
    }
    DesktopResult SetAutoArrange(bool on) override {
        bool unused = false;
        return Ask(unused,
                   [on](DesktopIconView& session, bool&) { return session.SetAutoArrange(on); });
    }
    DesktopResult Move(const std::vector<IconMove>& moves) override {
        bool unused = false;
        return Ask(unused,
                   [moves](DesktopIconView& session, bool&) { return session.Move(moves); });
    }

  private:
    // The answer belongs to the call, which may outlive this wait.
    template <typename Answer, typename Call> DesktopResult Ask(Answer& answer, Call call) {
        auto reply = std::make_shared<std::pair<DesktopResult, Answer>>();
        if (!thread_->Run([reply, call](ShellSession& session) {
                reply->first = call(*session, reply->second);
            })) {
            return kNotAnswering;
        }
        answer = std::move(reply->second);
        return reply->first;
    }

    Win32DesktopIcons& owner_;
    std::shared_ptr<ShellThread> thread_;
};

DesktopResult Win32DesktopIcons::Open(std::unique_ptr<DesktopIconView>& view) {
    if (viewOpen_) {
        return DesktopFailure{DesktopFailure::Kind::Busy, {}};
    }
    // Waiting for the desktop, or for a command it left unanswered to end
    // (which takes a moment once the desktop answers again), a click handled
    // meanwhile must not start a second command inside this one.
    viewOpen_ = true;
    ScopeGuard notOpen([this] { viewOpen_ = false; });
    if (leftBehind_ != nullptr) {
        if (!leftBehind_->AwaitEnd()) {
            return kNotAnswering;
        }
        leftBehind_.reset();
    }
    auto thread = std::make_shared<ShellThread>();
    if (!thread->Start()) {
        return DesktopFailure{DesktopFailure::Kind::System, LastSystemFailure()};
    }
    auto opened = std::make_shared<std::pair<DesktopResult, bool>>();
    const bool answered = thread->Run([opened](ShellSession& session) {
        OpenFolderViewIcons(session);
        if (session == nullptr) {
            opened->first = OpenListViewIcons(session);
        }
        opened->second = session != nullptr;
    });
    if (!answered || opened->first || !opened->second) {
        thread->End();
        if (!thread->Ended()) {
            leftBehind_ = thread;
        }
        return answered ? opened->first : kNotAnswering;
    }
    notOpen.Dismiss();
    view = std::make_unique<ThreadedIconView>(*this, std::move(thread));
    return std::nullopt;
}

// Most keys fit the buffer on the stack; a longer one is asked for its size.
std::optional<SystemFailure> Win32DesktopIcons::MatchKey(const std::u16string& name,
                                                         std::string& key) {
    std::array<BYTE, 1024> bytes;
    int size = MapToSortKey(name, bytes.data(), static_cast<int>(bytes.size()));
    if (size > 0) {
        key.assign(reinterpret_cast<const char*>(bytes.data()), static_cast<std::size_t>(size));
        return std::nullopt;
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER ||
        (size = MapToSortKey(name, nullptr, 0)) == 0) {
        return LastSystemFailure();
    }
    std::string longKey(static_cast<std::size_t>(size), '\0');
    if (MapToSortKey(name, reinterpret_cast<BYTE*>(longKey.data()), size) == 0) {
        return LastSystemFailure();
    }
    key = std::move(longKey);
    return std::nullopt;
}

} // namespace vevove
