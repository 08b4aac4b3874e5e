#include "registry/Registration.h"

#include <new>

namespace guard {

namespace {

// Head and tail of each kind's list; constant-initialised, so registrations
// from any static initialiser find them ready.
template <class Record>
struct RegisteredList {
    Record* head = nullptr;
    Record* tail = nullptr;

    Record* append(Record* record)
    {
        record->nextRegistered = nullptr;
        if (tail)
            tail->nextRegistered = record;
        else
            head = record;
        tail = record;
        return record;
    }
};

RegisteredList<TypeRecord> types;
RegisteredList<PropertyRecord> properties;
RegisteredList<CastRecord> casts;
RegisteredList<BinaryOperatorRecord> binaryOperators;
RegisteredList<UnaryOperatorRecord> unaryOperators;
bool stale = true;

template <class Exception, class Record>
Record* placeRecord(void* block, std::size_t blockSize, const Record& fields)
{
    if (!block || blockSize < sizeof(Record))
        throw Exception();
    stale = true;
    return new (block) Record(fields);
}

} // namespace

void destroyNothing(void*) { }

void dependsOnOperandsOnly(HashAccumulator&) { }

TypeRecord* registerType(void* block, std::size_t blockSize, const char* name, std::uint32_t valueSize,
                         DestroyFunction destroy, const char* baseName, HashFunction hash)
{
    TypeRecord fields;
    fields.name = name;
    fields.valueSize = valueSize;
    fields.declaredSize = valueSize;
    fields.destroy = destroy ? destroy : destroyNothing;
    fields.hash = hash;
    fields.baseName = baseName && *baseName ? baseName : nullptr;
    return types.append(placeRecord<TypeRegistrationBlockTooSmall>(block, blockSize, fields));
}

PropertyRecord* registerProperty(void* block, std::size_t blockSize, const PropertyRecord& fields)
{
    return properties.append(placeRecord<PropertyRegistrationBlockTooSmall>(block, blockSize, fields));
}

CastRecord* registerCast(void* block, std::size_t blockSize, const CastRecord& fields)
{
    return casts.append(placeRecord<CastRegistrationBlockTooSmall>(block, blockSize, fields));
}

BinaryOperatorRecord* registerBinaryOperator(void* block, std::size_t blockSize, const BinaryOperatorRecord& fields)
{
    return binaryOperators.append(placeRecord<BinaryOperatorRegistrationBlockTooSmall>(block, blockSize, fields));
}

UnaryOperatorRecord* registerUnaryOperator(void* block, std::size_t blockSize, const UnaryOperatorRecord& fields)
{
    return unaryOperators.append(placeRecord<UnaryOperatorRegistrationBlockTooSmall>(block, blockSize, fields));
}

TypeRecord* firstRegisteredType() { return types.head; }
PropertyRecord* firstRegisteredProperty() { return properties.head; }
CastRecord* firstRegisteredCast() { return casts.head; }
BinaryOperatorRecord* firstRegisteredBinaryOperator() { return binaryOperators.head; }
UnaryOperatorRecord* firstRegisteredUnaryOperator() { return unaryOperators.head; }

bool registryIsStale() { return stale; }
void markRegistryBuilt() { stale = false; }

namespace {

constexpr const char* kBinaryNames[kBinaryOperatorCount] = {
    "plus",        "minus",     "times",    "divide", "mod", "concatenate", "equal", "less than", "less than or equal",
    "starts with", "ends with", "contains",
};
constexpr const char* kBinarySymbols[kBinaryOperatorCount] = {
    "+", "-", "*", "/", "%", "&", "=", "<", "<=", "starts with", "ends with", "contains",
};

} // namespace

const char* binaryOperatorName(unsigned index) { return index < kBinaryOperatorCount ? kBinaryNames[index] : ""; }
const char* binaryOperatorSymbol(unsigned index) { return index < kBinaryOperatorCount ? kBinarySymbols[index] : ""; }
const char* unaryOperatorName(unsigned index) { return index == kUnaryMinus ? "minus" : ""; }
const char* unaryOperatorSymbol(unsigned index) { return index == kUnaryMinus ? "-" : ""; }

} // namespace guard
