#include "registry/Registration.h"

#include <new>

namespace guard {

namespace {

// Head and tail of each kind's list; constant-initialised, so registrations
// from any static initialiser find them ready.
struct TypeList {
    TypeRecord* head = nullptr;
    TypeRecord* tail = nullptr;

    TypeRecord* append(TypeRecord* record)
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

// Records are linked through their slots.
template <class Record>
struct RecordList {
    const Record* head = nullptr;
    const Record* tail = nullptr;

    const Record* append(const Record* record)
    {
        record->slot->next = nullptr;
        if (tail)
            tail->slot->next = record;
        else
            head = record;
        tail = record;
        return record;
    }
};

TypeList types;
RecordList<PropertyRecord> properties;
RecordList<CastRecord> casts;
RecordList<BinaryOperatorRecord> binaryOperators;
RecordList<UnaryOperatorRecord> unaryOperators;
bool stale = true;

template <class Exception>
void checkBlock(void* block, std::size_t blockSize, std::size_t needed)
{
    if (!block || blockSize < needed)
        throw Exception();
    stale = true;
}

// A copy of `fields` at the start of the block, its slot after it.
template <class Exception, class Record>
const Record* placeRecord(void* block, std::size_t blockSize, const Record& fields)
{
    constexpr std::size_t slotAt =
        (sizeof(Record) + alignof(RecordSlot) - 1) / alignof(RecordSlot) * alignof(RecordSlot);
    checkBlock<Exception>(block, blockSize, slotAt + sizeof(RecordSlot));
    Record* record = new (block) Record(fields);
    record->slot = new (static_cast<unsigned char*>(block) + slotAt) RecordSlot();
    return record;
}

template <class Record>
const Record* appendSlotted(RecordList<Record>& list, const Record* record)
{
    stale = true;
    return list.append(record);
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
    checkBlock<TypeRegistrationBlockTooSmall>(block, blockSize, sizeof(TypeRecord));
    return types.append(new (block) TypeRecord(fields));
}

const PropertyRecord* registerProperty(void* block, std::size_t blockSize, const PropertyRecord& fields)
{
    return properties.append(placeRecord<PropertyRegistrationBlockTooSmall>(block, blockSize, fields));
}

const CastRecord* registerCast(void* block, std::size_t blockSize, const CastRecord& fields)
{
    return casts.append(placeRecord<CastRegistrationBlockTooSmall>(block, blockSize, fields));
}

const BinaryOperatorRecord* registerBinaryOperator(void* block, std::size_t blockSize,
                                                   const BinaryOperatorRecord& fields)
{
    return binaryOperators.append(placeRecord<BinaryOperatorRegistrationBlockTooSmall>(block, blockSize, fields));
}

const UnaryOperatorRecord* registerUnaryOperator(void* block, std::size_t blockSize, const UnaryOperatorRecord& fields)
{
    return unaryOperators.append(placeRecord<UnaryOperatorRegistrationBlockTooSmall>(block, blockSize, fields));
}

const PropertyRecord* appendProperty(const PropertyRecord* record) { return appendSlotted(properties, record); }
const CastRecord* appendCast(const CastRecord* record) { return appendSlotted(casts, record); }
const BinaryOperatorRecord* appendBinaryOperator(const BinaryOperatorRecord* record)
{
    return appendSlotted(binaryOperators, record);
}
const UnaryOperatorRecord* appendUnaryOperator(const UnaryOperatorRecord* record)
{
    return appendSlotted(unaryOperators, record);
}

TypeRecord* firstRegisteredType() { return types.head; }
const PropertyRecord* firstRegisteredProperty() { return properties.head; }
const CastRecord* firstRegisteredCast() { return casts.head; }
const BinaryOperatorRecord* firstRegisteredBinaryOperator() { return binaryOperators.head; }
const UnaryOperatorRecord* firstRegisteredUnaryOperator() { return unaryOperators.head; }

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
