#include <dlfcn.h>

#include "platform/ModuleTable.h"

namespace Platform {

ModuleHandle hostApplicationModule()
{
    // The main program's handle; it stays valid for the whole run.
    static ModuleHandle handle = ::dlopen(nullptr, RTLD_NOW);
    return handle;
}

} // namespace Platform
