#include "registry/TupleTypes.h"

#include <cstring>
#include <optional>

#include "registry/CoreValues.h"
#include "registry/InspectorErrors.h"
#include "registry/RegistryErrors.h"
#include "registry/TypeTables.h"

namespace guard {

namespace {

struct TupleValue {
    const void* first;
    const void* rest;
};

} // namespace

struct InspectorRegistry::TupleTypes::Tuple {
    TypeRecord record;
    std::string name;
    TypeTables tables;
    BinaryOperatorRecord comparisons[3]; // "=", "<", "<="
    CastRecord stringCast;
    RecordSlot comparisonSlots[3];
    RecordSlot stringCastSlot;
    // What the tuple's own inspectors call for the first element, and for
    // the rest when it is a tuple (null at the end of the tuple).
    const BinaryOperatorRecord* elementEqual = nullptr;
    const BinaryOperatorRecord* elementLess = nullptr;
    const CastRecord* elementString = nullptr;
    const Tuple* rest = nullptr;
};

struct InspectorRegistry::TupleTypes::Named {
    TypeRecord record;
    std::string name;
};

InspectorRegistry::TupleTypes::TupleTypes() = default;
InspectorRegistry::TupleTypes::~TupleTypes() = default;

namespace {

using TupleData = InspectorRegistry::TupleTypes::Tuple;

bool callBoolean(const BinaryOperatorRecord* record, const void* left, const void* right)
{
    bool result = false;
    try {
        if (!record->adapter(&result, left, right, nullptr, record))
            return false;
    } catch (const NoSuchObject&) {
        return false;
    }
    return result;
}

const TupleData& tupleOf(const void* context)
{
    return *static_cast<const TupleData*>(static_cast<const BinaryOperatorRecord*>(context)->context);
}

// Element by element; no answer when an element type has no "=".
std::optional<bool> tuplesEqual(const TupleData* tuple, const void* left, const void* right)
{
    for (; tuple; tuple = tuple->rest) {
        auto l = static_cast<const TupleValue*>(left);
        auto r = static_cast<const TupleValue*>(right);
        if (!tuple->elementEqual)
            return std::nullopt;
        if (!callBoolean(tuple->elementEqual, l->first, r->first))
            return false;
        left = l->rest;
        right = r->rest;
    }
    return true;
}

// Lexicographic: the first pair of elements that are not equal decides, by
// the element type's "<"; `orEqual` decides what equal tuples give. No
// answer when an element type that is needed has no "=" or no "<".
std::optional<bool> tupleLess(const TupleData* tuple, const void* left, const void* right, bool orEqual)
{
    for (; tuple; tuple = tuple->rest) {
        auto l = static_cast<const TupleValue*>(left);
        auto r = static_cast<const TupleValue*>(right);
        if (!tuple->elementEqual)
            return std::nullopt;
        if (!callBoolean(tuple->elementEqual, l->first, r->first)) {
            if (!tuple->elementLess)
                return std::nullopt;
            return callBoolean(tuple->elementLess, l->first, r->first);
        }
        left = l->rest;
        right = r->rest;
    }
    return orEqual;
}

bool answer(void* result, std::optional<bool> comparison)
{
    if (!comparison)
        return false;
    if (result)
        *static_cast<bool*>(result) = *comparison;
    return true;
}

bool equalAdapter(void* result, const void* left, const void* right, void*, const void* context)
{
    return !result || answer(result, tuplesEqual(&tupleOf(context), left, right));
}

bool lessAdapter(void* result, const void* left, const void* right, void*, const void* context)
{
    return !result || answer(result, tupleLess(&tupleOf(context), left, right, false));
}

bool lessOrEqualAdapter(void* result, const void* left, const void* right, void*, const void* context)
{
    return !result || answer(result, tupleLess(&tupleOf(context), left, right, true));
}

// The first element's string, then ", " and the rest's string.
bool stringAdapter(void* result, const void* value, const void*, void*, const void* context)
{
    if (!result)
        return true;
    auto tuple = static_cast<const TupleData*>(static_cast<const CastRecord*>(context)->context);
    auto v = static_cast<const TupleValue*>(value);
    String first;
    const CastRecord* cast = tuple->elementString;
    if (!cast->adapter(&first, v->first, v->first, nullptr, cast))
        return false;
    if (!tuple->rest) {
        *static_cast<String*>(result) = first;
        return true;
    }
    String rest;
    if (!stringAdapter(&rest, v->rest, v->rest, nullptr, &tuple->rest->stringCast))
        return false;
    char* bytes = nullptr;
    String joined = String::allocate(first.length + 2 + rest.length, bytes);
    if (first.length)
        std::memcpy(bytes, first.data, first.length);
    std::memcpy(bytes + first.length, ", ", 2);
    if (rest.length)
        std::memcpy(bytes + first.length + 2, rest.data, rest.length);
    *static_cast<String*>(result) = joined;
    return true;
}

} // namespace

const TypeRecord* InspectorRegistry::TupleTypes::tupleType(InspectorRegistry& registry, const TypeRecord* first,
                                                           const TypeRecord* rest)
{
    auto key = std::make_pair(first, rest);
    auto found = tuples.find(key);
    if (found != tuples.end())
        return &found->second->record;

    std::string_view firstName = first->name, restName = rest->name;
    std::size_t nameLength = firstName.size() + 4 + (rest->tupleFirst ? restName.size() - 2 : 0);
    if (nameLength > kMaxTupleTypeName)
        throw TupleTypeTooLong();

    auto tuple = std::make_unique<Tuple>();
    if (rest->tupleFirst)
        tuple->rest = tuples.at(std::make_pair(rest->tupleFirst, rest->tupleRest)).get();

    tuple->name = "( ";
    tuple->name += firstName;
    if (tuple->rest) {
        tuple->name += ", ";
        tuple->name += restName.substr(2, restName.size() - 4);
    }
    tuple->name += " )";

    TypeRecord& record = tuple->record;
    record.name = tuple->name.c_str();
    record.valueSize = sizeof(TupleValue);
    // The language's size of a tuple: the rest's size (after the last
    // element, the world type's one byte) and one reference more.
    record.declaredSize = rest->declaredSize + 8;
    record.destroy = destroyNothing;
    record.tables = &tuple->tables;
    record.tupleFirst = first;
    record.tupleRest = rest;
    if (!registry.building_)
        attachInspectors(registry, *tuple);

    Tuple* made = tuple.get();
    tuples.emplace(key, std::move(tuple));
    inCreationOrder.push_back(made);
    return &made->record;
}

void InspectorRegistry::TupleTypes::attachAllInspectors(InspectorRegistry& registry)
{
    for (Tuple* tuple : inCreationOrder)
        attachInspectors(registry, *tuple);
}

void InspectorRegistry::TupleTypes::forgetProperties()
{
    for (Tuple* tuple : inCreationOrder)
        tuple->tables.properties.clear();
}

std::vector<TypeTables*> InspectorRegistry::TupleTypes::allTables()
{
    std::vector<TypeTables*> tables;
    for (Tuple* tuple : inCreationOrder)
        tables.push_back(&tuple->tables);
    return tables;
}

// The three comparisons, always (they answer nothing when an element type
// lacks what a comparison needs), and the "string" cast when the element
// types and the rest of the tuple have one (a tuple's rest is made, and so
// equipped, before the tuple itself).
void InspectorRegistry::TupleTypes::attachInspectors(InspectorRegistry& registry, Tuple& tuple)
{
    const TypeRecord* first = tuple.record.tupleFirst;
    const Tuple* rest = tuple.rest;
    // The build's properties stay; the tuple's own inspectors are made anew.
    std::vector<PropertyEntry> properties = std::move(tuple.tables.properties);
    tuple.tables = TypeTables();
    tuple.tables.properties = std::move(properties);

    tuple.elementEqual = registry.binaryOperatorOrNull(first, kEqual, first);
    tuple.elementLess = registry.binaryOperatorOrNull(first, kLessThan, first);
    const InspectorAdapter adapters[3] = {equalAdapter, lessAdapter, lessOrEqualAdapter};
    const unsigned indexes[3] = {kEqual, kLessThan, kLessThanOrEqual};
    for (int i = 0; i < 3; ++i) {
        BinaryOperatorRecord& op = tuple.comparisons[i];
        op = BinaryOperatorRecord();
        op.slot = &tuple.comparisonSlots[i];
        op.slot->resultType = registry.booleanType();
        op.dependency = dependsOnOperandsOnly;
        op.adapter = adapters[i];
        op.context = &tuple;
        op.operatorIndex = indexes[i];
        op.leftTypeName = op.rightTypeName = tuple.record.name;
        op.resultTypeName = "boolean";
        op.slot->leftType = op.slot->rightType = &tuple.record;
        tuple.tables.binary.push_back(&op);
    }

    tuple.elementString = registry.castOrNull(first, "string");
    if (tuple.elementString && tuple.elementString->resultType() != registry.stringType())
        tuple.elementString = nullptr;
    bool restHasString = !rest || rest->stringCast.adapter;
    CastRecord& cast = tuple.stringCast;
    cast = CastRecord();
    cast.slot = &tuple.stringCastSlot;
    if (tuple.elementString && restHasString) {
        cast.slot->resultType = registry.stringType();
        cast.dependency = dependsOnOperandsOnly;
        cast.adapter = stringAdapter;
        cast.context = &tuple;
        cast.castName = "string";
        cast.sourceTypeName = tuple.record.name;
        cast.resultTypeName = "string";
        tuple.tables.casts.push_back({"string", &cast, false});
    }
}

const TypeRecord* InspectorRegistry::TupleTypes::namedType(const TypeRecord* tuple, std::string_view fullName)
{
    auto found = named.find(fullName);
    if (found != named.end())
        return &found->second->record;
    auto type = std::make_unique<Named>();
    type->name = std::string(fullName);
    type->record.name = type->name.c_str();
    type->record.valueSize = tuple->valueSize;
    type->record.declaredSize = tuple->declaredSize;
    type->record.destroy = tuple->destroy;
    type->record.hash = tuple->hash;
    const TypeRecord* made = &type->record;
    named.emplace(type->name, std::move(type));
    return made;
}

} // namespace guard
