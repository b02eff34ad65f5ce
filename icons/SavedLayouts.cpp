#include "SavedLayouts.h"

#include "IconPositionsKey.h"

#include <algorithm>
#include <unordered_map>

namespace vevove {

namespace {

constexpr const char* kLayoutsKey = "Software\\VUD\\Vevove\\Layouts";
constexpr const char* kBeforeRestoreKey = "Software\\VUD\\Vevove\\Before last restore";

std::string SetupKey(const std::string& setup) {
    return std::string(kLayoutsKey) + "\\" + setup;
}

// Values by the form in which the registry compares their names: where each
// lies in its list.
using ValuesByForm = std::unordered_map<std::u16string, std::size_t>;

ValuesByForm IndexByForm(UserRegistry& registry, const Layout& values) {
    ValuesByForm index;
    for (std::size_t at = 0; at < values.size(); ++at) {
        index.emplace(registry.ValueNameForm(values[at].name), at);
    }
    return index;
}

bool SameLayout(UserRegistry& registry, const Layout& a, const Layout& b) {
    if (a.size() != b.size()) {
        return false;
    }
    const ValuesByForm index = IndexByForm(registry, a);
    return std::all_of(b.begin(), b.end(), [&](const RegistryValue& value) {
        const auto found = index.find(registry.ValueNameForm(value.name));
        return found != index.end() && a[found->second].type == value.type &&
               a[found->second].data == value.data;
    });
}

// The new values first, then away with the values of icons that are gone: at
// no moment does the key hold fewer positions than before, and a failure
// leaves it no emptier. A value that already holds its position is left as it
// is, so that writing a layout unchanged writes nothing.
void WriteLayout(UserRegistry& registry, const std::string& path, const Layout& layout) {
    const RegistryKey key = RegistryKey::Create(registry, path);
    const Layout held = key.Values();
    const ValuesByForm heldByForm = IndexByForm(registry, held);
    for (const RegistryValue& value : layout) {
        const auto found = heldByForm.find(registry.ValueNameForm(value.name));
        if (found == heldByForm.end() || held[found->second].type != value.type ||
            held[found->second].data != value.data) {
            key.Set(value);
        }
    }
    const ValuesByForm layoutByForm = IndexByForm(registry, layout);
    for (const RegistryValue& value : held) {
        if (layoutByForm.count(registry.ValueNameForm(value.name)) == 0) {
            key.Delete(value.name);
        }
    }
}

Layout ReadLayout(UserRegistry& registry, const std::string& path) {
    return RegistryKey::Open(registry, path).Values();
}

// A second save within the same second is named apart, after the first.
std::string NewTimeName(const std::vector<std::string>& taken, const std::string& time) {
    std::string name = time;
    for (int number = 2; std::find(taken.begin(), taken.end(), name) != taken.end(); ++number) {
        name = time + " (" + std::to_string(number) + ")";
    }
    return name;
}

} // namespace

// Later times sort after earlier ones, and a second save of the same second
// after the first.
std::vector<std::string> SavedTimes(UserRegistry& registry, const std::string& setup) {
    std::vector<std::string> times = registry.SubkeyNames(SetupKey(setup));
    std::sort(times.begin(), times.end(), [](const std::string& a, const std::string& b) {
        return a.size() != b.size() && a.compare(0, 19, b, 0, 19) == 0 ? a.size() > b.size()
                                                                       : a > b;
    });
    return times;
}

bool AnySetupHasLayouts(UserRegistry& registry) {
    const std::vector<std::string> setups = registry.SubkeyNames(kLayoutsKey);
    return std::any_of(setups.begin(), setups.end(), [&](const std::string& setup) {
        return !SavedTimes(registry, setup).empty();
    });
}

Layout SavedLayout(UserRegistry& registry, const std::string& setup, const std::string& time) {
    return ReadLayout(registry, SetupKey(setup) + "\\" + time);
}

Layout NewestLayout(UserRegistry& registry, const std::string& setup) {
    const std::vector<std::string> times = SavedTimes(registry, setup);
    return times.empty() ? ReadLayout(registry, kIconPositionsKey)
                         : SavedLayout(registry, setup, times.front());
}

Layout LayoutToRestoreByItself(UserRegistry& registry, const std::string& setup) {
    if (!SavedTimes(registry, setup).empty() || !AnySetupHasLayouts(registry)) {
        return NewestLayout(registry, setup);
    }
    return {};
}

// The new layout is whole before an earlier one goes, or it is gone; the
// layout key comes last, as before.
void StoreLayout(UserRegistry& registry, const std::string& setup, const Layout& layout,
                 const std::string& time) {
    std::vector<std::string> times = SavedTimes(registry, setup);
    if (times.empty() ||
        !SameLayout(registry, SavedLayout(registry, setup, times.front()), layout)) {
        const std::string name = NewTimeName(times, time);
        const std::string path = SetupKey(setup) + "\\" + name;
        try {
            WriteLayout(registry, path, layout);
        } catch (const Error&) {
            // A layout not written whole is none to restore later.
            registry.DeleteKey(path);
            throw;
        }
        times.insert(times.begin(), name);
        for (std::size_t at = kLayoutsKept; at < times.size(); ++at) {
            RaiseIfFailed(registry.DeleteKey(SetupKey(setup) + "\\" + times[at]));
        }
    }
    WriteLayout(registry, kIconPositionsKey, layout);
}

void StoreBeforeRestore(UserRegistry& registry, const std::string& setup, const Layout& layout) {
    WriteLayout(registry, std::string(kBeforeRestoreKey) + "\\" + setup, layout);
}

Layout BeforeLastRestore(UserRegistry& registry, const std::string& setup) {
    return ReadLayout(registry, std::string(kBeforeRestoreKey) + "\\" + setup);
}

} // namespace vevove
