#include "platform/SubsectionStore.h"

#include <cstring>

#include "platform/TimeText.h"

namespace guard {

SubsectionStore::SubsectionStore(SettingStore& store, std::string subsection, Clock clock)
    : store_(store), subsection_(std::move(subsection)), clock_(clock ? clock : Platform::currentTime)
{
}

std::optional<std::string> SubsectionStore::getText(std::string_view name) { return store_.getText(subsection_, name); }

bool SubsectionStore::getText(std::string_view name, char* buffer, std::size_t size)
{
    std::optional<std::string> text = getText(name);
    if (!text || size < 1 || text->size() >= size - 1)
        return false;
    std::memcpy(buffer, text->data(), text->size());
    buffer[text->size()] = '\0';
    return true;
}

bool SubsectionStore::setText(std::string_view name, std::string_view text, std::int64_t effectiveDate,
                              bool& superseded)
{
    return store_.setText(subsection_, name, text, effectiveDate, superseded);
}

bool SubsectionStore::setText(std::string_view name, std::string_view text)
{
    bool superseded = false;
    return setText(name, text, clock_(), superseded);
}

bool SubsectionStore::setInteger(std::string_view name, std::int32_t value)
{
    return setText(name, std::to_string(value));
}

bool SubsectionStore::setInteger(std::string_view name, std::int64_t value)
{
    return setText(name, std::to_string(value));
}

bool SubsectionStore::deleteSetting(std::string_view name) { return store_.deleteSetting(subsection_, name); }

bool SubsectionStore::flush() { return store_.flush(subsection_); }

} // namespace guard
