#pragma once
// A table of loaded modules: (module handle, name) entries in the order they
// were added. Entries are never moved or removed. Lookup by name compares the
// whole name byte for byte (case-sensitive) and gives the first match's
// handle; lookup by index gives the entry's handle. Both give null when
// nothing is found. Safe to use from several threads.
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>

namespace guard {

namespace Platform {

using ModuleHandle = void*;

class ModuleTable {
public:
    void add(std::string_view name, ModuleHandle handle);
    ModuleHandle find(std::string_view name) const;
    ModuleHandle at(std::size_t index) const;
    std::size_t count() const;

private:
    struct Entry {
        ModuleHandle handle;
        std::string name;
    };
    mutable std::mutex lock_;
    std::deque<Entry> entries_;
};

// The process-wide table, filled by the driver at start-up.
ModuleTable& processModules();

// The handle of the program's own executable.
ModuleHandle hostApplicationModule();

} // namespace Platform

} // namespace guard
