#include "registry/InspectorRegistry.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "registry/Registration.h"
#include "registry/RegistryErrors.h"
#include "registry/TupleTypes.h"
#include "registry/TypeTables.h"

namespace guard {

namespace {

template <class Visit>
const TypeRecord* forEachBase(const TypeRecord* type, Visit visit)
{
    for (; type; type = type->base)
        if (visit(type))
            return type;
    return nullptr;
}

std::string describeBlocked(std::string_view name, const TypeRecord* type)
{
    std::string description(name);
    if (type && *type->name) {
        description += " of <";
        description += type->name;
        description += ">";
    }
    return description;
}

} // namespace

bool isSameOrDerived(const TypeRecord* type, const TypeRecord* base)
{
    return forEachBase(type, [&](const TypeRecord* t) { return t == base; }) != nullptr;
}

const TypeRecord* commonType(const TypeRecord* a, const TypeRecord* b)
{
    if (a->undefined)
        return b;
    if (b->undefined)
        return a;
    return forEachBase(a, [&](const TypeRecord* t) { return isSameOrDerived(b, t); });
}

InspectorRegistry::InspectorRegistry() : tuples_(std::make_unique<TupleTypes>()) { }
InspectorRegistry::~InspectorRegistry() = default;

InspectorRegistry& InspectorRegistry::get()
{
    static InspectorRegistry registry;
    if (registryIsStale())
        registry.build();
    return registry;
}

void InspectorRegistry::build(const std::unordered_set<std::string>* blocked)
{
    std::lock_guard<std::recursive_mutex> guard(structuredTypesLock_);
    markRegistryBuilt();
    building_ = true;
    typeIndex_.clear();
    tables_.clear();
    std::fill(std::begin(namedTypes_), std::end(namedTypes_), NamedType());
    for (TypeRecord* type = firstRegisteredType(); type; type = type->nextRegistered) {
        type->base = nullptr;
        type->undefined = false;
        tables_.push_back(std::make_unique<TypeTables>());
        type->tables = tables_.back().get();
        typeIndex_.emplace_back(type->name, type);
    }
    std::stable_sort(typeIndex_.begin(), typeIndex_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    // A name registered more than once is not found at all.
    std::vector<std::pair<std::string_view, TypeRecord*>> unique;
    for (std::size_t i = 0; i < typeIndex_.size();) {
        std::size_t j = i + 1;
        while (j < typeIndex_.size() && typeIndex_[j].first == typeIndex_[i].first)
            ++j;
        if (j == i + 1)
            unique.push_back(typeIndex_[i]);
        i = j;
    }
    typeIndex_.swap(unique);
    for (auto& [name, type] : typeIndex_) {
        if (!type->baseName)
            continue;
        const TypeRecord* base = findPlainType(type->baseName);
        type->base =
            base && base->declaredSize <= type->declaredSize && base->valueSize <= type->valueSize ? base : nullptr;
    }
    boolean_ = findPlainType("boolean");
    world_ = findPlainType("");
    integer_ = findPlainType("integer");
    string_ = findPlainType("string");
    undefined_ = findPlainType("undefined");
    if (undefined_)
        const_cast<TypeRecord*>(undefined_)->undefined = true;
    tuples_->forgetProperties();
    enterProperties(blocked);
    enterCasts(blocked);
    enterOperators();
    building_ = false;
    tuples_->attachAllInspectors(*this);
}

const TypeRecord* InspectorRegistry::findPlainType(std::string_view name) const
{
    auto found = std::lower_bound(typeIndex_.begin(), typeIndex_.end(), name,
                                  [](const auto& entry, std::string_view key) { return entry.first < key; });
    return found != typeIndex_.end() && found->first == name ? found->second : nullptr;
}

const TypeRecord* InspectorRegistry::findRecordType(const char* name)
{
    NamedType& entry = namedTypes_[(reinterpret_cast<std::uintptr_t>(name) >> 3) % kNamedTypes];
    if (entry.name != name) {
        entry.name = name;
        entry.type = findType(name);
    }
    return entry.type;
}

const TypeRecord* InspectorRegistry::findType(std::string_view name)
{
    if (!name.empty() && name.back() == ')')
        return findStructuredType(name);
    return findPlainType(name);
}

const TypeRecord* InspectorRegistry::findStructuredType(std::string_view name)
{
    std::size_t open = name.find('(');
    if (open == std::string_view::npos || name.size() - open - 1 < 4 || name[open + 1] != ' ' ||
        name.substr(name.size() - 2) != " )")
        throw BadStructuredTypeName();
    std::string_view prefix = name.substr(0, open);
    std::string_view list = name.substr(open + 2, name.size() - open - 4);

    // Split the list at the commas outside nested parentheses.
    std::vector<std::string_view> elements;
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        char c = list[i];
        if (c == '(')
            ++depth;
        else if (c == ')')
            --depth;
        else if (c == ',' && depth == 0) {
            if (i + 1 >= list.size() || list[i + 1] != ' ')
                throw BadTypeList();
            elements.push_back(list.substr(start, i - start));
            start = i + 2;
        }
    }
    elements.push_back(list.substr(start));

    std::vector<const TypeRecord*> types;
    for (std::string_view element : elements) {
        const TypeRecord* type = findType(element);
        if (!type)
            return nullptr;
        types.push_back(type);
    }
    const TypeRecord* tuple = world_;
    for (auto type = types.rbegin(); type != types.rend(); ++type)
        tuple = tupleType(*type, tuple);
    if (prefix.empty())
        return tuple;
    std::lock_guard<std::recursive_mutex> guard(structuredTypesLock_);
    return tuples_->namedType(tuple, name);
}

const TypeRecord* InspectorRegistry::tupleType(const TypeRecord* first, const TypeRecord* rest)
{
    std::lock_guard<std::recursive_mutex> guard(structuredTypesLock_);
    return tuples_->tupleType(*this, first, rest);
}

void InspectorRegistry::enterProperties(const std::unordered_set<std::string>* blocked)
{
    auto isBlocked = [&](std::string_view name) { return blocked && blocked->count(std::string(name)) > 0; };
    // Each table is sized first and filled afterwards: the registry is built
    // at every start, where every page it writes costs.
    for (const PropertyRecord* record = firstRegisteredProperty(); record; record = record->nextRegistered()) {
        record->slot->resultType = findRecordType(record->resultTypeName);
        if (const TypeRecord* object = findRecordType(record->objectTypeName))
            object->tables->propertyCount += 2;
    }
    auto reserveCounted = [](TypeTables& tables) {
        tables.properties.reserve(tables.properties.size() + tables.propertyCount);
        tables.propertyCount = 0;
    };
    for (auto& [name, type] : typeIndex_)
        reserveCounted(*type->tables);
    for (TypeTables* tables : tuples_->allTables())
        reserveCounted(*tables);
    for (const PropertyRecord* record = firstRegisteredProperty(); record; record = record->nextRegistered()) {
        const TypeRecord* key = findRecordType(record->keyTypeName);
        const TypeRecord* object = findRecordType(record->objectTypeName);
        if (!record->resultType() || !key || !object)
            continue;
        bool block = isBlocked(record->singularName) || isBlocked(record->pluralName);
        auto& entries = object->tables->properties;
        entries.push_back({record->singularName, key, record, false, block});
        entries.push_back({record->pluralName, key, record, true, block});
    }
    auto byNameThenKey = [](const PropertyEntry& a, const PropertyEntry& b) {
        if (a.name != b.name)
            return a.name < b.name;
        return std::less<const TypeRecord*>()(a.keyType, b.keyType);
    };
    for (auto& [name, type] : typeIndex_)
        std::stable_sort(type->tables->properties.begin(), type->tables->properties.end(), byNameThenKey);
    // Tuple types (such as the source of "attr list") keep their tables
    // outside the type index.
    for (TypeTables* tables : tuples_->allTables())
        std::stable_sort(tables->properties.begin(), tables->properties.end(), byNameThenKey);
}

void InspectorRegistry::enterCasts(const std::unordered_set<std::string>* blocked)
{
    for (const CastRecord* record = firstRegisteredCast(); record; record = record->nextRegistered()) {
        const TypeRecord* source = findRecordType(record->sourceTypeName);
        record->slot->resultType = findRecordType(record->resultTypeName);
        if (!source || !record->resultType())
            continue;
        bool block = blocked && blocked->count(record->castName) > 0;
        source->tables->casts.push_back({record->castName, record, block});
    }
    for (auto& [name, type] : typeIndex_)
        std::stable_sort(type->tables->casts.begin(), type->tables->casts.end(),
                         [](const CastEntry& a, const CastEntry& b) { return a.name < b.name; });
}

void InspectorRegistry::enterOperators()
{
    for (const UnaryOperatorRecord* record = firstRegisteredUnaryOperator(); record;
         record = record->nextRegistered()) {
        const TypeRecord* operand = findRecordType(record->operandTypeName);
        record->slot->resultType = findRecordType(record->resultTypeName);
        if (operand && record->resultType() && record->operatorIndex == kUnaryMinus && !operand->tables->unary)
            operand->tables->unary = record;
    }
    for (const BinaryOperatorRecord* record = firstRegisteredBinaryOperator(); record;
         record = record->nextRegistered()) {
        RecordSlot& slot = *record->slot;
        slot.leftType = findRecordType(record->leftTypeName);
        slot.rightType = findRecordType(record->rightTypeName);
        slot.resultType = findRecordType(record->resultTypeName);
        if (slot.leftType && slot.rightType && slot.resultType && record->operatorIndex < kBinaryOperatorCount)
            slot.leftType->tables->binary.push_back(record);
    }
}

PropertyLookup InspectorRegistry::findProperty(const TypeRecord* objectType, std::string_view name,
                                               const TypeRecord* keyType) const
{
    if (!objectType)
        objectType = world_;
    if (!keyType)
        keyType = world_;
    for (const TypeRecord* t = objectType; t; t = t->base) {
        if (!t->tables)
            continue;
        const auto& entries = t->tables->properties;
        auto [from, to] = std::equal_range(entries.begin(), entries.end(), name, [](const auto& a, const auto& b) {
            if constexpr (std::is_same_v<std::decay_t<decltype(a)>, PropertyEntry>)
                return a.name < b;
            else
                return a < b.name;
        });
        for (const TypeRecord* u = keyType; u; u = u->base)
            for (auto entry = from; entry != to; ++entry)
                if (entry->keyType == u) {
                    if (entry->blocked)
                        throw InspectorBlacklisted(describeBlocked(name, objectType));
                    return {entry->record, entry->plural};
                }
    }
    throw OperationNotDefined(name);
}

const CastRecord* InspectorRegistry::findCast(const TypeRecord* sourceType, std::string_view castName) const
{
    if (const CastRecord* record = castOrNull(sourceType, castName))
        return record;
    throw OperationNotDefined(castName);
}

const BinaryOperatorRecord* InspectorRegistry::findBinaryOperator(const TypeRecord* left, unsigned index,
                                                                  const TypeRecord* right) const
{
    if (const BinaryOperatorRecord* record = binaryOperatorOrNull(left, index, right))
        return record;
    throw OperationNotDefined(binaryOperatorName(index));
}

const CastRecord* InspectorRegistry::castOrNull(const TypeRecord* sourceType, std::string_view castName) const
{
    for (const TypeRecord* t = sourceType; t; t = t->base) {
        if (!t->tables)
            continue;
        const auto& entries = t->tables->casts;
        auto found = std::lower_bound(entries.begin(), entries.end(), castName,
                                      [](const CastEntry& entry, std::string_view key) { return entry.name < key; });
        if (found != entries.end() && found->name == castName) {
            if (found->blocked)
                throw InspectorBlacklisted(std::string(castName) + " from <" + sourceType->name + ">");
            return found->record;
        }
    }
    return nullptr;
}

const BinaryOperatorRecord* InspectorRegistry::binaryOperatorOrNull(const TypeRecord* left, unsigned index,
                                                                    const TypeRecord* right) const
{
    auto registered = [index](const TypeRecord* l, const TypeRecord* r) -> const BinaryOperatorRecord* {
        if (!l->tables || index >= kBinaryOperatorCount)
            return nullptr;
        for (const BinaryOperatorRecord* record : l->tables->binary)
            if (record->operatorIndex == index && record->rightType() == r)
                return record;
        return nullptr;
    };
    // The most specific left type that has the operator with any right type
    // of the right operand's chain...
    const TypeRecord* mostSpecificLeft = forEachBase(left, [&](const TypeRecord* l) {
        return forEachBase(right, [&](const TypeRecord* r) { return registered(l, r) != nullptr; }) != nullptr;
    });
    if (!mostSpecificLeft)
        return nullptr;
    // ...then the most specific right type for that left type or its bases.
    const TypeRecord* mostSpecificRight = forEachBase(right, [&](const TypeRecord* r) {
        return forEachBase(mostSpecificLeft, [&](const TypeRecord* l) { return registered(l, r) != nullptr; }) !=
            nullptr;
    });
    return registered(mostSpecificLeft, mostSpecificRight);
}

const UnaryOperatorRecord* InspectorRegistry::findUnaryOperator(const TypeRecord* operand, unsigned index) const
{
    if (index == kUnaryMinus)
        for (const TypeRecord* t = operand; t; t = t->base)
            if (t->tables && t->tables->unary)
                return t->tables->unary;
    throw OperationNotDefined(unaryOperatorName(index));
}

} // namespace guard
