#include "platform/ModuleTable.h"

namespace guard {

namespace Platform {

void ModuleTable::add(std::string_view name, ModuleHandle handle)
{
    std::lock_guard<std::mutex> guard(lock_);
    entries_.push_back(Entry{handle, std::string(name)});
}

ModuleHandle ModuleTable::find(std::string_view name) const
{
    std::lock_guard<std::mutex> guard(lock_);
    for (const Entry& entry : entries_) {
        if (entry.name == name)
            return entry.handle;
    }
    return nullptr;
}

ModuleHandle ModuleTable::at(std::size_t index) const
{
    std::lock_guard<std::mutex> guard(lock_);
    return index < entries_.size() ? entries_[index].handle : nullptr;
}

std::size_t ModuleTable::count() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return entries_.size();
}

ModuleTable& processModules()
{
    static ModuleTable table;
    return table;
}

} // namespace Platform

} // namespace guard
