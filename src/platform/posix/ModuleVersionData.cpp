// The program's own version data, kept in a section of its own in the
// executable (".guard_version", where tools that read the file find it
// too): the program name and its release version.
#include "platform/ModuleVersionData.h"

#include <cstddef>

#ifndef GUARD_RELEASE_VERSION
#error "the build gives the release version (GUARD_RELEASE_VERSION)"
#endif

namespace guard {

namespace Platform {

namespace {

// Texts in place (not pointers), so that the section reads as it is.
struct VersionEntry {
    char block[9];
    char key[16];
    char text[32];
};

__attribute__((section(".guard_version"), used)) const VersionEntry kHostVersionData[] = {
    {"040904b0", "ModuleName", "guard"},
    {"040904b0", "ProductName", "guard"},
    {"040904b0", "FileVersion", GUARD_RELEASE_VERSION},
    {"040904b0", "ProductVersion", GUARD_RELEASE_VERSION},
};

} // namespace

std::optional<std::string_view> moduleVersionString(ModuleHandle module, std::string_view block, std::string_view key)
{
    if (!module || module != hostApplicationModule())
        return std::nullopt;
    for (const VersionEntry& entry : kHostVersionData) {
        if (block == std::string_view(entry.block) && key == std::string_view(entry.key))
            return std::string_view(entry.text);
    }
    return std::nullopt;
}

} // namespace Platform

} // namespace guard
