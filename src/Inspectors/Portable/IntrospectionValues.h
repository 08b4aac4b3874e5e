#pragma once
// Values of the language's own vocabulary: "type", "property", "cast",
// "binary operator" and "unary operator" values are references to the
// registry's records; nothing is copied.
#include <tuple>

#include "registry/CoreValues.h"
#include "registry/InspectorRecords.h"
#include "registry/TypeRecord.h"

namespace guard {

struct TypeRef {
    const TypeRecord* record;
};
struct PropertyRef {
    const PropertyRecord* record;
};
struct CastRef {
    const CastRecord* record;
};
struct BinaryOperatorRef {
    const BinaryOperatorRecord* record;
};
struct UnaryOperatorRef {
    const UnaryOperatorRecord* record;
};

template <>
struct GuardType<TypeRef> {
    static constexpr const char* name = "type";
    static constexpr std::uint32_t valueSize = 4; // a reference to a record
};
template <>
struct GuardType<PropertyRef> {
    static constexpr const char* name = "property";
    static constexpr std::uint32_t valueSize = 4; // a reference to a record
};
template <>
struct GuardType<CastRef> {
    static constexpr const char* name = "cast";
    static constexpr std::uint32_t valueSize = 4; // a reference to a record
};
template <>
struct GuardType<BinaryOperatorRef> {
    static constexpr const char* name = "binary operator";
    static constexpr std::uint32_t valueSize = 4; // a reference to a record
};
template <>
struct GuardType<UnaryOperatorRef> {
    static constexpr const char* name = "unary operator";
    static constexpr std::uint32_t valueSize = 4; // a reference to a record
};

// The registered type of that name; no value (NoSuchObject) when there is
// none or the name is malformed.
TypeRef typeNamed(std::string_view name);

// A string over text that lives as long as the registry (record names).
inline String staticText(const char* text) { return String(text, std::uint32_t(std::char_traits<char>::length(text))); }

// A plural property over one kind's registration list, in registration
// order: the records that Accept(record, keys...) takes, for the key and
// direct-object values the property is asked with.
template <class Record, class Ref, auto Head, auto Accept, class... Keys>
class FilteredRecords {
public:
    bool first(Ref& out, const Keys&... keys)
    {
        keys_ = std::tuple<Keys...>(keys...);
        next_ = Head();
        return next(out);
    }
    bool next(Ref& out)
    {
        for (; next_; next_ = following(next_)) {
            bool accepted = std::apply([this](const Keys&... keys) { return Accept(*next_, keys...); }, keys_);
            if (accepted) {
                out = Ref{next_};
                next_ = following(next_);
                return true;
            }
        }
        return false;
    }

private:
    // Types link their records themselves; inspectors through their slots.
    static const Record* following(const Record* record)
    {
        if constexpr (requires { record->nextRegistered(); })
            return record->nextRegistered();
        else
            return record->nextRegistered;
    }

    std::tuple<Keys...> keys_{};
    const Record* next_ = nullptr;
};

// Accepts every record.
template <class Record>
bool anyRecord(const Record&)
{
    return true;
}

} // namespace guard
