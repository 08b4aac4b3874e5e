#pragma once
// Global dependencies: named pieces of global state (the current date, the
// time zone) that inspector results may depend on.
//
// Each dependency is registered at start-up with a value function that adds
// its current value to a HashAccumulator, and gets the next index. Adding a
// dependency to an accumulator sets bit (1 << index) of its flag word for the
// first 31 dependencies and hashes the current value for later ones.
#include <cstddef>

#include "platform/DebuggableException.h"
#include "registry/HashAccumulator.h"

namespace guard {

GUARD_EXCEPTION(GlobalDependencyRegistrationBlockTooSmall, DebuggableException);
GUARD_EXCEPTION(TooManyGlobalDependencies, DebuggableException);

using DependencyValueFunction = void (*)(HashAccumulator& accumulator);

struct GlobalDependencyRecord {
    const char* name;
    unsigned index;
    DependencyValueFunction value;
};

inline constexpr unsigned kMaxGlobalDependencies = 64;

GlobalDependencyRecord* registerGlobalDependency(void* block, std::size_t blockSize, const char* name,
                                                 DependencyValueFunction value);

// The registered dependencies, in registration order.
std::size_t globalDependencyCount();
const GlobalDependencyRecord& globalDependency(std::size_t index);

void addDependency(HashAccumulator& accumulator, const GlobalDependencyRecord& dependency);

// Takes the current values of every dependency; the last snapshot stays
// available to whatever remembers results between evaluations.
void refreshGlobalDependencies();
HashAccumulator globalDependencySnapshot();

} // namespace guard
