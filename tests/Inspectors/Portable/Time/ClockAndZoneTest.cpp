// The two global dependencies of the time family are registered under their
// names, and the rows that read the clock or the zone declare them.
#include <gtest/gtest.h>

#include <string_view>

#include "Inspectors/Portable/Time/ClockAndZone.h"
#include "registry/GlobalDependency.h"
#include "registry/InspectorRegistry.h"

namespace guard {

namespace {

unsigned indexOf(std::string_view name)
{
    for (std::size_t i = 0; i < globalDependencyCount(); ++i)
        if (globalDependency(i).name == name)
            return globalDependency(i).index;
    ADD_FAILURE() << "no dependency " << name;
    return 0;
}

TEST(ClockAndZone, DependenciesAreRegisteredAndDeclared)
{
    const unsigned date = indexOf("CurrentDateDependency");
    const unsigned zone = indexOf("TimeZoneDependency");
    ASSERT_LT(date, 31u);
    ASSERT_LT(zone, 31u);
    HashAccumulator both;
    dependsOnCurrentDateAndTimeZone(both);
    EXPECT_EQ(both.flags & ((1u << date) | (1u << zone)), (1u << date) | (1u << zone));

    InspectorRegistry& registry = InspectorRegistry::get();
    const TypeRecord* world = registry.worldType();
    struct Case {
        const char* phrase;
        unsigned bits;
    };
    for (Case c : {Case{"now", 1u << date}, Case{"local time zone", 1u << zone},
                   Case{"current date", (1u << date) | (1u << zone)}}) {
        PropertyLookup lookup = registry.findProperty(world, c.phrase, world);
        ASSERT_NE(lookup.record, nullptr) << c.phrase;
        ASSERT_NE(lookup.record->dependency, nullptr) << c.phrase;
        HashAccumulator declared;
        lookup.record->dependency(declared);
        EXPECT_EQ(declared.flags & ((1u << date) | (1u << zone)), c.bits) << c.phrase;
    }
}

} // namespace

} // namespace guard
