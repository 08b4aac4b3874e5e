#pragma once
// The record of one registered type.
//
// A value of the type is a raw block of `valueSize` bytes (aligned to 8)
// without any header; the node that produced it knows its type. The size that
// the language gives a value ("size of type", `declaredSize`) is part of the
// language and the same on every machine; `valueSize` is what this build's
// layout of the value takes. Records of
// statically registered types live in static storage for the whole run;
// tuple and named structured types are made on demand and kept.
#include <cstdint>

#include "registry/HashAccumulator.h"

namespace guard {

using DestroyFunction = void (*)(void* value);
using HashFunction = void (*)(HashAccumulator& accumulator, const void* value);

struct TypeTables;

struct TypeRecord {
    const char* name = nullptr;
    std::uint32_t valueSize = 0;
    std::uint32_t declaredSize = 0;
    DestroyFunction destroy = nullptr;
    HashFunction hash = nullptr;      // null: values of the type cannot be signed
    const TypeRecord* base = nullptr; // resolved from baseName when the registry is built
    bool undefined = false;           // set on "undefined": compatible with every type
    // The value's bytes are the whole value: it refers to no other memory, so
    // a copy of them stays valid after the allocator below it is released.
    bool selfContained = false;
    const char* baseName = nullptr;
    TypeRecord* nextRegistered = nullptr;
    TypeTables* tables = nullptr; // property, cast and operator tables, built with the registry
    // For tuple types: the first element's type and the rest (a tuple type,
    // or the world type at the end). Null for every other type.
    const TypeRecord* tupleFirst = nullptr;
    const TypeRecord* tupleRest = nullptr;
};

// The shared destroy function of types whose values own nothing.
void destroyNothing(void* value);

// True when `base` is `type` or one of its bases.
bool isSameOrDerived(const TypeRecord* type, const TypeRecord* base);

// The type both may be used as: if either is "undefined", the other; else the
// first type in a's base chain (a first) that also lies in b's; null if none.
const TypeRecord* commonType(const TypeRecord* a, const TypeRecord* b);

} // namespace guard
