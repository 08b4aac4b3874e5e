// "module" values against a module table of several entries: a module is
// found by its exact name whatever its place, keeps naming the same entry,
// and reads the version data of that entry's file.
#include <gtest/gtest.h>

#include "guard/TestVocabulary.h"
#include "platform/ModuleTable.h"
#include "registry/ContextFacets.h"

namespace guard {

namespace {

// A table of three entries; only the last is a module with version data.
struct ThreeModules : InspectorContext, InspectorLibraryContext {
    ThreeModules()
    {
        findModule = [](std::string_view name) { return entries().find(name); };
        moduleAt = [](std::size_t index) { return entries().at(index); };
    }
    static Platform::ModuleTable& entries()
    {
        // Never destroyed: the table has a lock and lives as long as the
        // process, like the host's own table.
        static Platform::ModuleTable* modules = [] {
            static char first, second;
            auto* made = new Platform::ModuleTable;
            made->add("First", &first);
            made->add("Second", &second);
            made->add("HostApplication", Platform::hostApplicationModule());
            return made;
        }();
        return *modules;
    }
};

using TestVocabulary::evaluate;

TEST(Modules, AreFoundByNameWhateverTheirPlaceInTheTable)
{
    ThreeModules context;
    EXPECT_EQ(evaluate("number of modules", &context), "3");
    EXPECT_EQ(evaluate("exists module \"Second\"", &context), "True");
    EXPECT_EQ(evaluate("exists module \"second\"", &context), "False");
    EXPECT_EQ(evaluate("name of module \"HostApplication\"", &context), "guard");
    EXPECT_EQ(evaluate("exists name of module \"First\"", &context), "False");
    EXPECT_EQ(evaluate("names of modules", &context), "guard");
    EXPECT_EQ(evaluate("number of modules whose (exists version of it)", &context), "1");
}

TEST(Modules, WithoutALibraryFacetThereIsNoContext)
{
    EXPECT_EQ(evaluate("exists module \"HostApplication\""), "!NoInspectorContext");
}

} // namespace

} // namespace guard
