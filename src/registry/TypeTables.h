#pragma once
// The tables the registry builds for one type: the properties whose direct
// object is the type, the casts from it, its unary operator and its binary
// operators (for the type as left operand).
#include <cstddef>
#include <string_view>
#include <vector>

#include "registry/InspectorRecords.h"
#include "registry/TypeRecord.h"

namespace guard {

struct PropertyEntry {
    std::string_view name;     // singular or plural phrase
    const TypeRecord* keyType; // the world type when there is no key
    const PropertyRecord* record;
    bool plural; // made from the plural phrase
    bool blocked;
};

struct CastEntry {
    std::string_view name;
    const CastRecord* record;
    bool blocked;
};

struct TypeTables {
    std::vector<PropertyEntry> properties; // by name, then key type identity
    std::size_t propertyCount = 0;         // while the registry is built: entries to come
    std::vector<CastEntry> casts;          // by name, registration order among equals
    const UnaryOperatorRecord* unary = nullptr;
    // Every binary operator with the type as left operand, in registration
    // order (one list rather than one per operator: most types have few, and
    // the tables are built at every start).
    std::vector<const BinaryOperatorRecord*> binary;
};

} // namespace guard
