// "module": the modules the host entered in its module table, and the
// version data of their files ("version string", "name", "version").
#include <cstdint>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "Inspectors/Portable/Versions/WindowsVersion.h"
#include "platform/ModuleVersionData.h"
#include "registry/ContextFacets.h"
#include "registry/InspectorErrors.h"
#include "registry/Inspectors.h"

namespace guard {

// A module as a 4-byte reference: its place in the host's module table.
// Entries of the table never move, so the place names the same module for
// the whole run; the handle is fetched again when the module's file is read.
struct Module {
    std::uint32_t index;
};

template <>
struct GuardType<Module> {
    static constexpr const char* name = "module";
    static constexpr std::uint32_t valueSize = 4; // the size the language gives it
};

namespace {

// The context's library facet (NoInspectorContext when it has none); a
// lookup the host left out means no module.
InspectorLibraryContext& library() { return contextAs<InspectorLibraryContext>(); }

// The table's handle of `module`, or null when the table has none there.
void* handleOf(const Module& module)
{
    auto at = library().moduleAt;
    return at ? at(module.index) : nullptr;
}

// The first entry named `name` (the table's own lookup), given by its place:
// the entries are walked until one holds the handle the lookup found.
std::optional<Module> moduleNamed(const String& name)
{
    InspectorLibraryContext& table = library();
    if (!table.findModule || !table.moduleAt)
        return std::nullopt;
    void* handle = table.findModule(name.view());
    if (!handle)
        return std::nullopt;
    for (std::uint32_t index = 0; index != UINT32_MAX; ++index) {
        void* entry = table.moduleAt(index);
        if (!entry)
            break;
        if (entry == handle)
            return Module{index};
    }
    return std::nullopt;
}

// The modules of the table, index 0, 1, ... until the table has none.
class AllModules {
public:
    bool first(Module& out)
    {
        index_ = 0;
        return next(out);
    }
    bool next(Module& out)
    {
        auto at = library().moduleAt;
        if (!at)
            return false;
        if (index_ == UINT32_MAX || !at(index_))
            return false;
        out = Module{index_};
        ++index_;
        return true;
    }

private:
    std::uint32_t index_ = 0;
};

std::optional<String> versionStringOf(std::string_view key, const Module& module)
{
    void* handle = handleOf(module);
    if (!handle)
        return std::nullopt;
    std::optional<std::string_view> text = Platform::moduleVersionString(handle, Platform::kEnglishUnicodeBlock, key);
    if (!text)
        return std::nullopt;
    return String(text->data(), std::uint32_t(text->size()));
}

std::optional<String> versionString(const String& key, const Module& module)
{
    return versionStringOf(key.view(), module);
}

std::optional<String> moduleName(const Module& module) { return versionStringOf("ModuleName", module); }

std::optional<WindowsVersion> moduleVersion(const Module& module)
{
    std::optional<String> text = versionStringOf("ProductVersion", module);
    if (!text)
        return std::nullopt;
    return readVersion(text->view());
}

} // namespace

GUARD_INSPECTORS(type<Module>(), property<Shape::Keyed, moduleNamed>("module", "modules"),
                 property<Shape::KeyedOf, versionString>("version string", "version strings"),
                 property<Shape::Of, moduleName>("name", "names"),
                 property<Shape::Of, moduleVersion>("version", "versions"),
                 iterated<Shape::Global, AllModules>("module", "modules"))

} // namespace guard
