// "module": the modules the host entered in its module table, and the
// version data of their files ("version string", "name", "version").
#include <cstdint>
#include <cstddef>
#include <optional>

#include "Inspectors/Portable/Versions/WindowsVersion.h"
#include "platform/ModuleVersionData.h"
#include "registry/ContextFacets.h"
#include "registry/InspectorErrors.h"
#include "registry/Inspectors.h"

namespace guard {

// A module handle as the host's module table hands it out.
struct Module {
    void* handle;
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

std::optional<Module> moduleNamed(const String& name)
{
    auto find = library().findModule;
    if (!find)
        return std::nullopt;
    if (void* handle = find(name.view()))
        return Module{handle};
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
        void* handle = at(index_);
        if (!handle)
            return false;
        ++index_;
        out = Module{handle};
        return true;
    }

private:
    std::size_t index_ = 0;
};

std::optional<String> versionStringOf(std::string_view key, const Module& module)
{
    std::optional<std::string_view> text =
        Platform::moduleVersionString(module.handle, Platform::kEnglishUnicodeBlock, key);
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
