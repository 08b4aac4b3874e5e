#include "registry/GlobalDependency.h"

#include <new>

namespace guard {

namespace {

GlobalDependencyRecord* dependencies[kMaxGlobalDependencies];
std::size_t dependencyCount = 0;
HashAccumulator snapshot;

} // namespace

GlobalDependencyRecord* registerGlobalDependency(void* block, std::size_t blockSize, const char* name,
                                                 DependencyValueFunction value)
{
    if (!block || blockSize < sizeof(GlobalDependencyRecord))
        throw GlobalDependencyRegistrationBlockTooSmall();
    if (dependencyCount == kMaxGlobalDependencies)
        throw TooManyGlobalDependencies();
    auto record = new (block) GlobalDependencyRecord{name, unsigned(dependencyCount), value};
    dependencies[dependencyCount++] = record;
    return record;
}

std::size_t globalDependencyCount() { return dependencyCount; }

const GlobalDependencyRecord& globalDependency(std::size_t index) { return *dependencies[index]; }

void addDependency(HashAccumulator& accumulator, const GlobalDependencyRecord& dependency)
{
    if (dependency.index < 31)
        accumulator.flags |= 1u << dependency.index;
    else
        dependency.value(accumulator);
}

void refreshGlobalDependencies()
{
    HashAccumulator values;
    for (std::size_t i = 0; i < dependencyCount; ++i)
        dependencies[i]->value(values);
    snapshot = values;
}

HashAccumulator globalDependencySnapshot() { return snapshot; }

} // namespace guard
