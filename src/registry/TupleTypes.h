#pragma once
// Tuple types and named structured types, made on demand and kept for the
// rest of the run (callers hold the registry's lock).
//
// The tuple type of (first, rest) is named "( a, b, ... )", has a value of
// two references (first element's value, rest's value) and no hash. It has
// "=", "<" and "<=" of its own, comparing element by element with the
// element types' own "=" and "<" (no answer when an element type needed has
// none); and a "string" cast joining the elements' strings with ", " when
// every element type has a "string" cast giving a string.
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "registry/InspectorRegistry.h"
#include "registry/TypeRecord.h"

namespace guard {

struct InspectorRegistry::TupleTypes {
    const TypeRecord* tupleType(InspectorRegistry& registry, const TypeRecord* first, const TypeRecord* rest);
    const TypeRecord* namedType(const TypeRecord* tuple, std::string_view fullName);
    // Gives every tuple made so far its comparisons and "string" cast; the
    // registry calls it when a build is complete (tuples made while it
    // builds wait for it).
    void attachAllInspectors(InspectorRegistry& registry);
    // The properties whose direct object is a tuple type are entered by the
    // registry's build: it forgets the old ones first and sorts the tables.
    void forgetProperties();
    std::vector<TypeTables*> allTables();

    struct Tuple;
    struct Named;
    static void attachInspectors(InspectorRegistry& registry, Tuple& tuple);
    std::map<std::pair<const TypeRecord*, const TypeRecord*>, std::unique_ptr<Tuple>> tuples;
    std::map<std::string, std::unique_ptr<Named>, std::less<>> named;
    std::vector<Tuple*> inCreationOrder;

    TupleTypes();
    ~TupleTypes();
};

} // namespace guard
