#pragma once
// The registry of types and inspectors, built from the registration lists
// at the first lookup after the last registration.
//
// Lookups walk base-type chains from the most derived type outwards, the
// first match winning:
//  - findProperty(object type, name as written, key type): for each base of
//    the object type, the entries of that name, tried for each base of the
//    key type. The result says whether the name was the plural form.
//  - findCast(source type, cast name): for each base of the source type.
//  - findBinaryOperator(left, index, right): the most specific left type that
//    has the operator for any base of the right type, then the most specific
//    right type for that left chain; the two must meet in one registration.
//  - findUnaryOperator(operand, index): for each base of the operand type.
// A failed lookup throws OperationNotDefined (the ...OrNull forms answer
// null instead, for callers that only ask); a blocked inspector
// InspectorBlacklisted. Type names ending in ")" are structured names,
// "( a, b )" (a tuple type, made on demand and kept) or "name( a, b )" (a
// named structured type with the tuple's value layout).
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "registry/InspectorRecords.h"
#include "registry/TypeRecord.h"

namespace guard {

struct PropertyLookup {
    const PropertyRecord* record = nullptr;
    bool plural = false;
};

class InspectorRegistry {
public:
    // The built registry; built (again) first when a registration happened
    // since the last build.
    static InspectorRegistry& get();

    // Rebuilds all tables. Names in `blocked` (singular or plural phrases,
    // cast names) mark the matching entries blocked.
    void build(const std::unordered_set<std::string>* blocked = nullptr);

    // Null when the name is not registered (or registered twice).
    const TypeRecord* findType(std::string_view name);

    PropertyLookup findProperty(const TypeRecord* objectType, std::string_view name, const TypeRecord* keyType) const;
    const CastRecord* findCast(const TypeRecord* sourceType, std::string_view castName) const;
    const BinaryOperatorRecord* findBinaryOperator(const TypeRecord* left, unsigned index,
                                                   const TypeRecord* right) const;
    const UnaryOperatorRecord* findUnaryOperator(const TypeRecord* operand, unsigned index) const;
    const CastRecord* castOrNull(const TypeRecord* sourceType, std::string_view castName) const;
    const BinaryOperatorRecord* binaryOperatorOrNull(const TypeRecord* left, unsigned index,
                                                     const TypeRecord* right) const;

    // The tuple type of (first element, rest), the rest being a tuple type
    // or the world type; one record per pair for the whole run.
    const TypeRecord* tupleType(const TypeRecord* first, const TypeRecord* rest);

    const TypeRecord* booleanType() const { return boolean_; }
    const TypeRecord* worldType() const { return world_; }
    const TypeRecord* integerType() const { return integer_; }
    const TypeRecord* stringType() const { return string_; }
    const TypeRecord* undefinedType() const { return undefined_; }

    InspectorRegistry();
    ~InspectorRegistry();

    // The store of structured types (defined with the tuple machinery).
    struct TupleTypes;

private:
    const TypeRecord* findStructuredType(std::string_view name);
    const TypeRecord* findPlainType(std::string_view name) const;
    // findType for a name a record gives: rows name their types with a few
    // hundred static texts, most of them shared, so each text is looked up
    // once per build and remembered by its address (a small direct-mapped
    // table; a text whose entry another holds is looked up again).
    const TypeRecord* findRecordType(const char* name);
    void enterProperties(const std::unordered_set<std::string>* blocked);
    void enterCasts(const std::unordered_set<std::string>* blocked);
    void enterOperators();

    std::vector<std::pair<std::string_view, TypeRecord*>> typeIndex_;
    std::vector<std::unique_ptr<TypeTables>> tables_;
    struct NamedType {
        const char* name = nullptr;
        const TypeRecord* type = nullptr;
    };
    static constexpr std::size_t kNamedTypes = 256;
    NamedType namedTypes_[kNamedTypes];
    std::unique_ptr<TupleTypes> tuples_;
    std::recursive_mutex structuredTypesLock_;
    const TypeRecord* boolean_ = nullptr;
    const TypeRecord* world_ = nullptr;
    const TypeRecord* integer_ = nullptr;
    const TypeRecord* string_ = nullptr;
    const TypeRecord* undefined_ = nullptr;
    bool building_ = false;
};

} // namespace guard
