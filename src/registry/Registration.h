#pragma once
// Registration of types and inspectors into static blocks.
//
// Registration runs in static initialisers, before main: each call turns a
// zero-initialised static block into its record in place, appends the record
// to its kind's global list (registration order is kept) and marks the
// registry stale, so the next lookup rebuilds it. Nothing is allocated and
// nothing is looked up here. A null block or one smaller than the record
// throws the kind's *BlockTooSmall exception.
#include <cstddef>
#include <cstdint>

#include "platform/DebuggableException.h"
#include "registry/InspectorRecords.h"
#include "registry/TypeRecord.h"

namespace guard {

GUARD_EXCEPTION(TypeRegistrationBlockTooSmall, DebuggableException);
GUARD_EXCEPTION(PropertyRegistrationBlockTooSmall, DebuggableException);
GUARD_EXCEPTION(CastRegistrationBlockTooSmall, DebuggableException);
GUARD_EXCEPTION(BinaryOperatorRegistrationBlockTooSmall, DebuggableException);
GUARD_EXCEPTION(UnaryOperatorRegistrationBlockTooSmall, DebuggableException);

// Static storage for one record of any kind, with room to spare.
inline constexpr std::size_t kRegistrationBlockSize = 256;

struct alignas(16) RegistrationBlock {
    unsigned char bytes[kRegistrationBlockSize];
};

TypeRecord* registerType(void* block, std::size_t blockSize, const char* name, std::uint32_t valueSize,
                         DestroyFunction destroy, const char* baseName, HashFunction hash);
PropertyRecord* registerProperty(void* block, std::size_t blockSize, const PropertyRecord& fields);
CastRecord* registerCast(void* block, std::size_t blockSize, const CastRecord& fields);
BinaryOperatorRecord* registerBinaryOperator(void* block, std::size_t blockSize, const BinaryOperatorRecord& fields);
UnaryOperatorRecord* registerUnaryOperator(void* block, std::size_t blockSize, const UnaryOperatorRecord& fields);

// The global lists, in registration order.
TypeRecord* firstRegisteredType();
PropertyRecord* firstRegisteredProperty();
CastRecord* firstRegisteredCast();
BinaryOperatorRecord* firstRegisteredBinaryOperator();
UnaryOperatorRecord* firstRegisteredUnaryOperator();

// Set by every registration; cleared when the registry is built.
bool registryIsStale();
void markRegistryBuilt();

} // namespace guard
