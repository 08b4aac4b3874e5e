#pragma once
// Registration of types and inspectors into static blocks.
//
// Registration runs in static initialisers, before main: each call appends a
// record to its kind's global list (registration order is kept) and marks
// the registry stale, so the next lookup rebuilds it. Nothing is allocated
// and nothing is looked up here.
//
// A record that already has its slot (the rows of GUARD_INSPECTORS, which
// stay in read-only storage with a slot each) is appended as it is; only
// its predecessor's slot is written. The register* functions with a block
// instead turn a zero-initialised static block into a copy of the record
// followed by its slot; a null block or one too small for both throws the
// kind's *BlockTooSmall exception. Types are always copied into a block:
// the registry writes into them.
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
const PropertyRecord* registerProperty(void* block, std::size_t blockSize, const PropertyRecord& fields);
const CastRecord* registerCast(void* block, std::size_t blockSize, const CastRecord& fields);
const BinaryOperatorRecord* registerBinaryOperator(void* block, std::size_t blockSize,
                                                   const BinaryOperatorRecord& fields);
const UnaryOperatorRecord* registerUnaryOperator(void* block, std::size_t blockSize, const UnaryOperatorRecord& fields);

// Appends a record whose slot is set (it is returned).
const PropertyRecord* appendProperty(const PropertyRecord* record);
const CastRecord* appendCast(const CastRecord* record);
const BinaryOperatorRecord* appendBinaryOperator(const BinaryOperatorRecord* record);
const UnaryOperatorRecord* appendUnaryOperator(const UnaryOperatorRecord* record);

// The global lists, in registration order: follow them with
// record->nextRegistered.
TypeRecord* firstRegisteredType();
const PropertyRecord* firstRegisteredProperty();
const CastRecord* firstRegisteredCast();
const BinaryOperatorRecord* firstRegisteredBinaryOperator();
const UnaryOperatorRecord* firstRegisteredUnaryOperator();

// Set by every registration; cleared when the registry is built.
bool registryIsStale();
void markRegistryBuilt();

} // namespace guard
