#pragma once
// The version data of a module's file: named texts ("ModuleName",
// "ProductVersion", ...) in language blocks ("040904b0", U.S. English,
// Unicode). Our own executable carries its data inside itself; no file is
// read. Other modules have none.
#include <optional>
#include <string_view>

#include "platform/ModuleTable.h"

namespace guard {

namespace Platform {

// The language block that the module inspectors read.
inline constexpr std::string_view kEnglishUnicodeBlock = "040904b0";

// The text of `key` in `block` of the module's version data; nothing when the
// module has no version data or the block or the key is not in it. The text
// lives as long as the program.
std::optional<std::string_view> moduleVersionString(ModuleHandle module, std::string_view block, std::string_view key);

} // namespace Platform

} // namespace guard
