#pragma once
// One subsection of a SettingStore: the settings of one section name, read
// and written by setting name alone. Writes without a date take the current
// time (the clock is a seam tests can fix).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/SettingStore.h"

namespace guard {

class SubsectionStore {
public:
    using Clock = std::int64_t (*)();

    SubsectionStore(SettingStore& store, std::string subsection, Clock clock = nullptr);

    const std::string& subsection() const { return subsection_; }
    SettingStore& store() { return store_; }

    std::optional<std::string> getText(std::string_view name);
    // Copies the text and a terminating NUL into [buffer, buffer + size):
    // true only when the setting is found and its length is below size - 1.
    bool getText(std::string_view name, char* buffer, std::size_t size);

    bool setText(std::string_view name, std::string_view text, std::int64_t effectiveDate, bool& superseded);
    // In effect from now.
    bool setText(std::string_view name, std::string_view text);
    bool setInteger(std::string_view name, std::int32_t value);
    bool setInteger(std::string_view name, std::int64_t value);

    bool deleteSetting(std::string_view name);
    bool flush();

private:
    SettingStore& store_;
    std::string subsection_;
    Clock clock_;
};

} // namespace guard
