#pragma once
// Registration records of inspectors: properties (plain, iterated and
// aggregate), casts, binary and unary operators.
//
// Every inspector is called through one adapter signature:
//   adapter(result buffer, key value, direct-object value, state, context)
// returning true when it wrote a value into the result buffer and false when
// it has none for these operands (an adapter may also throw NoSuchObject to
// say the same). An adapter called with a null result buffer answers true
// without computing anything. Operand values are raw blocks of the operand
// types; for operators the key is the left and the object the right operand,
// for casts and unary operators both are the operand. `context` is the record
// itself, so a generic adapter can find what it needs in it.
//
// Type names are texts (an absent key or direct-object type is ""); they are
// resolved to TypeRecords when the registry is built.
#include <cstdint>

#include "registry/HashAccumulator.h"
#include "registry/TypeRecord.h"

namespace guard {

using InspectorAdapter = bool (*)(void* result, const void* key, const void* object, void* state, const void* context);
using StateFunction = void (*)(void* state);
// Adds the global dependencies of an inspector to an accumulator.
using DependencyFunction = void (*)(HashAccumulator& accumulator);

// The shared dependency function of inspectors whose results depend only on
// their operands.
void dependsOnOperandsOnly(HashAccumulator& accumulator);

// Whether an inspector with this dependency function gives the same result
// for the same operands at every call.
inline bool isPure(DependencyFunction dependency) { return dependency == dependsOnOperandsOnly; }

enum class PropertyKind : std::uint8_t { Plain, Iterated, Aggregate };

// What registration and the registry's build write about a record, kept
// apart from it so that the record itself can stay in read-only storage
// (start-up then writes 32 bytes a row rather than the whole record): the
// next record of its kind in registration order, and the types its type
// names resolve to (null until the registry is built, or when a name is not
// a registered type).
struct RecordSlot {
    const void* next = nullptr;
    const TypeRecord* resultType = nullptr;
    const TypeRecord* leftType = nullptr; // binary operators
    const TypeRecord* rightType = nullptr;
};

// The members every record kind shares for its slot.
template <class Record>
struct SlottedRecord {
    RecordSlot* slot = nullptr;

    const TypeRecord* resultType() const { return slot->resultType; }
    const Record* nextRegistered() const { return static_cast<const Record*>(slot->next); }
};

struct PropertyRecord : SlottedRecord<PropertyRecord> {
    DependencyFunction dependency = nullptr; // null: volatile, never reused
    std::uint32_t stateSize = 1;
    StateFunction constructState = nullptr; // null: nothing to do
    StateFunction destroyState = nullptr;
    InspectorAdapter start = nullptr; // aggregates: once before the operands
    InspectorAdapter startNext = nullptr;
    InspectorAdapter perOperand = nullptr; // every kind: per operand value
    InspectorAdapter perOperandNext = nullptr;
    InspectorAdapter end = nullptr; // aggregates: once after the operands
    InspectorAdapter endNext = nullptr;
    const void* context = nullptr;
    PropertyKind kind = PropertyKind::Plain;
    bool iterated = false; // plural properties and aggregates
    const char* singularName = nullptr;
    const char* pluralName = nullptr;
    const char* keyTypeName = "";
    const char* objectTypeName = "";
    const char* resultTypeName = nullptr;
};

struct CastRecord : SlottedRecord<CastRecord> {
    DependencyFunction dependency = nullptr;
    InspectorAdapter adapter = nullptr;
    const void* context = nullptr;
    const char* castName = nullptr;
    const char* sourceTypeName = nullptr;
    const char* resultTypeName = nullptr;
};

inline constexpr unsigned kBinaryOperatorCount = 12;

enum BinaryOperatorIndex : unsigned {
    kPlus = 0,
    kMinus = 1,
    kTimes = 2,
    kDivide = 3,
    kMod = 4,
    kConcatenate = 5,
    kEqual = 6,
    kLessThan = 7,
    kLessThanOrEqual = 8,
    kStartsWith = 9,
    kEndsWith = 10,
    kContains = 11,
};

struct BinaryOperatorRecord : SlottedRecord<BinaryOperatorRecord> {
    DependencyFunction dependency = nullptr;
    InspectorAdapter adapter = nullptr;
    const void* context = nullptr;
    unsigned operatorIndex = 0;
    const char* leftTypeName = nullptr;
    const char* rightTypeName = nullptr;
    const char* resultTypeName = nullptr;

    const TypeRecord* leftType() const { return slot->leftType; }
    const TypeRecord* rightType() const { return slot->rightType; }
};

inline constexpr unsigned kUnaryMinus = 0;

struct UnaryOperatorRecord : SlottedRecord<UnaryOperatorRecord> {
    DependencyFunction dependency = nullptr;
    InspectorAdapter adapter = nullptr;
    const void* context = nullptr;
    unsigned operatorIndex = 0;
    const char* operandTypeName = nullptr;
    const char* resultTypeName = nullptr;
};

// Names and symbols of the binary operators by index ("plus", "+", ...) and
// of the unary operator ("minus", "-"); out-of-range indexes give "".
const char* binaryOperatorName(unsigned index);
const char* binaryOperatorSymbol(unsigned index);
const char* unaryOperatorName(unsigned index);
const char* unaryOperatorSymbol(unsigned index);

} // namespace guard
