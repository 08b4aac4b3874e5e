#include "platform/ModuleTable.h"

namespace guard {

// First byte of the executable's image, placed by the linker. Like a module
// handle elsewhere, the image's load address names the module for the whole
// run; it needs no dynamic loader, so a statically linked program has one too.
extern "C" const char __executable_start;

namespace Platform {

ModuleHandle hostApplicationModule() { return const_cast<char*>(&__executable_start); }

} // namespace Platform

} // namespace guard
