#pragma once
// The abstract store of settings: named text values, each with the time
// from which it is in effect, kept per subsection of a store.
//
// Names of subsections and settings are compared ignoring ASCII letter case.
// A write carries an effective date and is refused when the setting already
// holds a later one (an equal date is accepted): it then writes nothing and
// reports `superseded`. Failures of the underlying storage are answered as
// false or as a missing value, never thrown.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace guard {

// The least time: the effective date of a setting that has none.
inline constexpr std::int64_t kNoEffectiveDate = INT64_MIN;

struct StoredSetting {
    std::string name;
    std::string text;
    // kNoEffectiveDate when the stored date is missing or unreadable.
    std::int64_t effectiveDate = kNoEffectiveDate;
};

class SettingStore {
public:
    virtual ~SettingStore() = default;

    // The setting's text; nullopt when it is missing or not held as text.
    virtual std::optional<std::string> getText(std::string_view subsection, std::string_view name) = 0;
    // The whole setting; nullopt when the setting is missing.
    virtual std::optional<StoredSetting> getSetting(std::string_view subsection, std::string_view name) = 0;
    // Writes `text` in effect from `effectiveDate` unless the stored date is
    // later. True when the write is on disk.
    virtual bool setText(std::string_view subsection, std::string_view name, std::string_view text,
                         std::int64_t effectiveDate, bool& superseded) = 0;
    // Removes the setting's text, or its effective date, leaving the rest;
    // false when the setting does not exist.
    virtual bool deleteText(std::string_view subsection, std::string_view name) = 0;
    virtual bool deleteEffectiveDate(std::string_view subsection, std::string_view name) = 0;
    // Removes the whole setting; a missing setting counts as removed.
    virtual bool deleteSetting(std::string_view subsection, std::string_view name) = 0;
    // Makes every accepted write of the subsection durable.
    virtual bool flush(std::string_view subsection) = 0;
    // Calls `visit` for each setting of the subsection, ordered by name;
    // false when the store cannot be read.
    virtual bool list(std::string_view subsection, const std::function<void(const StoredSetting&)>& visit) = 0;
    // Why the last getText() or getSetting() found nothing because the
    // store could not be read (it exists but is damaged or unreadable);
    // empty when nothing was missing for that reason.
    virtual std::string_view readError() const { return {}; }
};

} // namespace guard
