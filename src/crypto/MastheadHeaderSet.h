#pragma once
// The header fields of a site masthead, collected by name into one slot per
// known field. Names compare ignoring ASCII case; unknown names are ignored.
// Three fields are unsigned 32-bit decimal integers (the serial number, the
// unique site id and the FIPS requirement), read by readMastheadInteger();
// the others keep their text. A field offered twice keeps the later value
// (for an integer field: the later readable value).
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace guard {

// The integer of a masthead field: decimal digits, with spaces and tabs
// anywhere skipped; nullopt when there is no digit, any other byte, or the
// value does not fit in 32 bits.
std::optional<std::uint32_t> readMastheadInteger(std::string_view value);

class MastheadHeaderSet {
public:
    static constexpr std::size_t kFieldCount = 26;
    // The known names, sorted, in lower case.
    static const std::array<std::string_view, kFieldCount> kFieldNames;

    // Stores the field when its name is known; false when it is not.
    bool offer(std::string_view name, std::string_view value);

    // 0 until a readable value arrives.
    std::uint32_t requireFipsCryptography() const;
    std::uint32_t serialNumber() const;
    std::uint32_t uniqueSiteId() const;
    // The text of a known field ("" when absent); for an integer field, the
    // last text offered.
    std::string_view text(std::string_view name) const;

private:
    std::array<std::string, kFieldCount> texts_;
    std::array<std::uint32_t, kFieldCount> integers_{};
};

} // namespace guard
