#include "platform/DebuggableException.h"

#include <cxxabi.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <string_view>
#include <typeindex>

namespace guard {

const char* runtimeClassName(const std::type_info& type) noexcept
{
    static std::mutex lock;
    static std::map<std::type_index, std::string> names;
    try {
        std::lock_guard<std::mutex> guard(lock);
        auto found = names.find(std::type_index(type));
        if (found != names.end())
            return found->second.c_str();
        int status = 0;
        std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                         std::free);
        std::string name = "class ";
        name += status == 0 && demangled ? demangled.get() : type.name();
        // The program's own namespace is no part of a class's name as the
        // messages show it ("class NoSuchObject").
        static constexpr std::string_view kOwnNamespace = "guard::";
        if (std::string_view(name).substr(6, kOwnNamespace.size()) == kOwnNamespace)
            name.erase(6, kOwnNamespace.size());
        return names.emplace(std::type_index(type), std::move(name)).first->second.c_str();
    } catch (...) {
        return "class DebuggableException";
    }
}

const char* DebuggableException::what() const noexcept { return runtimeClassName(typeid(*this)); }

} // namespace guard
