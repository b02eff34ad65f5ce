#include "FakeDesktopIcons.h"

#include "FoldedCase.h"

namespace vevove::fake {

namespace {

const DesktopFailure kNotAnswering{DesktopFailure::Kind::NotAnswering, {}};

DesktopResult SystemFailed(const SystemFailure& failure) {
    return DesktopFailure{DesktopFailure::Kind::System, failure};
}

class FakeView final : public DesktopIconView {
  public:
    explicit FakeView(FakeDesktopIcons& desktop) : desktop_(desktop) { ++desktop_.openViews; }
    ~FakeView() override {
        if (switchedOff_) {
            desktop_.autoArrange = true;
        }
        --desktop_.openViews;
    }

    DesktopResult Icons(IconParts parts, std::vector<DesktopIcon>& icons) override {
        return Call("Icons", [&] {
            icons.clear();
            for (const FakeDesktopIcons::Icon& icon : desktop_.icons) {
                const bool placed = parts == IconParts::LabelsAndPositions;
                icons.push_back({icon.label, placed ? icon.x : 0, placed ? icon.y : 0});
            }
        });
    }
    DesktopResult FileNames(const std::vector<std::size_t>& icons,
                            std::vector<std::u16string>& names) override {
        return Call("FileNames", [&] {
            names.clear();
            for (const std::size_t icon : icons) {
                names.push_back(desktop_.knowsFileNames && icon < desktop_.icons.size()
                                    ? desktop_.icons[icon].fileName
                                    : u"");
            }
        });
    }
    DesktopResult AutoArrange(bool& on) override {
        return Call("AutoArrange", [&] { on = desktop_.autoArrange; });
    }
    DesktopResult SetAutoArrange(bool on) override {
        return Call("SetAutoArrange", [&] {
            desktop_.autoArrange = on;
            switchedOff_ = !on;
        });
    }
    DesktopResult Move(const std::vector<IconMove>& moves) override {
        return Call("Move", [&] {
            for (const IconMove& move : moves) {
                if (!desktop_.autoArrange && move.icon < desktop_.icons.size()) {
                    desktop_.icons[move.icon].x = move.x;
                    desktop_.icons[move.icon].y = move.y;
                }
            }
        });
    }

  private:
    template <typename Work> DesktopResult Call(const char* operation, Work work) {
        if (desktop_.failures.Take("Answer")) {
            desktop_.answering = false;
        }
        if (!desktop_.answering || stuck_) {
            stuck_ = true;
            return kNotAnswering;
        }
        if (auto failure = desktop_.failures.Take(operation)) {
            return SystemFailed(*failure);
        }
        work();
        return std::nullopt;
    }

    FakeDesktopIcons& desktop_;
    bool switchedOff_ = false;
    bool stuck_ = false;
};

} // namespace

DesktopResult FakeDesktopIcons::Open(std::unique_ptr<DesktopIconView>& view) {
    if (whileOpening) {
        whileOpening();
    }
    if (openViews > 0) {
        return DesktopFailure{DesktopFailure::Kind::Busy, {}};
    }
    if (auto failure = failures.Take("Open")) {
        return SystemFailed(*failure);
    }
    if (!present) {
        return std::nullopt;
    }
    if (!answering) {
        return kNotAnswering;
    }
    if (widerShell) {
        return DesktopFailure{DesktopFailure::Kind::WiderShell, {}};
    }
    view = std::make_unique<FakeView>(*this);
    return std::nullopt;
}

std::optional<SystemFailure> FakeDesktopIcons::MatchKey(const std::u16string& name,
                                                        std::string& key) {
    if (auto failure = failures.Take("MatchKey")) {
        return failure;
    }
    key.clear();
    for (const char16_t unit : FoldedCase(name)) {
        const std::u16string units = unit == u'\u00DF' ? u"ss" : std::u16string(1, unit);
        for (const char16_t sorted : units) {
            key.push_back(static_cast<char>(sorted & 0xFF));
            key.push_back(static_cast<char>(sorted >> 8));
        }
    }
    return std::nullopt;
}

} // namespace vevove::fake
