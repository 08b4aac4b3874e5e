// Registration and lookup rules of the inspector registry, exercised on a
// small vocabulary registered by this file.
#include <gtest/gtest.h>

#include "registry/CoreValues.h"
#include "registry/InspectorRegistry.h"
#include "registry/Inspectors.h"
#include "registry/RegistryErrors.h"
#include "registry/TypeTables.h"

namespace guard {

namespace {

struct Animal {
    std::int64_t legs;
};
struct Dog {
    std::int64_t legs;
};
struct Wide {
    std::int64_t a, b;
};
struct Narrow {
    std::int64_t a;
};
struct Twice {
    char unused;
};
struct OtherTwice {
    char unused;
};

} // namespace

template <>
struct GuardType<Animal> {
    static constexpr const char* name = "test animal";
};
template <>
struct GuardType<Dog> {
    static constexpr const char* name = "test dog";
    static constexpr const char* base = "test animal";
};
template <>
struct GuardType<Wide> {
    static constexpr const char* name = "test wide";
};
template <>
struct GuardType<Narrow> {
    static constexpr const char* name = "test narrow";
    static constexpr const char* base = "test wide";
};
template <>
struct GuardType<Twice> {
    static constexpr const char* name = "test twice";
};
template <>
struct GuardType<OtherTwice> {
    static constexpr const char* name = "test twice";
};

namespace {

std::int64_t animalLegs(const Animal& animal) { return animal.legs; }
std::int64_t dogLegs(const Dog& dog) { return dog.legs * 10; }
std::int64_t scaledAnimal(std::int64_t key, const Animal& animal) { return key * animal.legs; }
std::int64_t scaledByDog(const Dog& key, const Animal& animal) { return key.legs * animal.legs; }
bool dogPlusAnimal(const Dog&, const Animal&) { return true; }
bool animalPlusDog(const Animal&, const Dog&) { return false; }
Animal integerAsAnimal(std::int64_t legs) { return Animal{legs}; }
String worldGreeting() { return String::literal("hello"); }
bool animalsEqual(const Animal& a, const Animal& b) { return a.legs == b.legs; }
bool animalLess(const Animal& a, const Animal& b) { return a.legs < b.legs; }
String animalAsString(const Animal&) { return String::literal("animal"); }
std::int64_t pairLegs(const Tuple<Animal, Dog>& pair) { return pair.get<0>().legs + pair.get<1>().legs; }

} // namespace

GUARD_INSPECTORS(type<Animal>(), type<Dog>(), type<Wide>(), type<Narrow>(), type<Twice>(), type<OtherTwice>(),
                 property<Shape::Of, animalLegs>("test legs", "test legss"),
                 property<Shape::Of, dogLegs>("test legs", "test legss"),
                 property<Shape::KeyedOf, scaledAnimal>("test scaled", "test scaleds"),
                 property<Shape::KeyedOf, scaledByDog>("test scaled", "test scaleds"),
                 property<Shape::Global, worldGreeting>("test greeting", "test greetings"),
                 binary<kPlus, dogPlusAnimal>(), binary<kPlus, animalPlusDog>(), cast<integerAsAnimal>("test bits"),
                 binary<kEqual, animalsEqual>(), binary<kLessThan, animalLess>(), cast<animalAsString>("string"),
                 property<Shape::Of, pairLegs>("test pair legs", "test pair legss"))

namespace {

class Registry : public ::testing::Test {
protected:
    InspectorRegistry& registry = InspectorRegistry::get();
    const TypeRecord* type(const char* name) { return registry.findType(name); }
};

TEST_F(Registry, TypesAreFoundByNameWithTheirBases)
{
    const TypeRecord* dog = type("test dog");
    ASSERT_NE(dog, nullptr);
    EXPECT_EQ(dog->base, type("test animal"));
    EXPECT_EQ(dog->valueSize, sizeof(Dog));
    EXPECT_TRUE(isSameOrDerived(dog, type("test animal")));
    EXPECT_FALSE(isSameOrDerived(type("test animal"), dog));
    EXPECT_EQ(type("test no such type"), nullptr);
    // A base larger than the derived type cannot be its base.
    EXPECT_EQ(type("test narrow")->base, nullptr);
    // A name registered twice is not found at all.
    EXPECT_EQ(type("test twice"), nullptr);
    EXPECT_EQ(type(""), registry.worldType());
    EXPECT_TRUE(registry.undefinedType()->undefined);
}

TEST_F(Registry, CommonTypeFollowsBaseChainsAndUndefined)
{
    const TypeRecord* dog = type("test dog");
    const TypeRecord* animal = type("test animal");
    EXPECT_EQ(commonType(dog, animal), animal);
    EXPECT_EQ(commonType(animal, dog), animal);
    EXPECT_EQ(commonType(dog, dog), dog);
    EXPECT_EQ(commonType(dog, registry.integerType()), nullptr);
    EXPECT_EQ(commonType(registry.undefinedType(), dog), dog);
    EXPECT_EQ(commonType(dog, registry.undefinedType()), dog);
}

TEST_F(Registry, StructuredTypeNames)
{
    const TypeRecord* pair = type("( integer, string )");
    ASSERT_NE(pair, nullptr);
    EXPECT_EQ(pair, type("( integer, string )"));
    EXPECT_STREQ(pair->name, "( integer, string )");
    EXPECT_EQ(pair->tupleFirst, registry.integerType());
    EXPECT_STREQ(pair->tupleRest->name, "( string )");
    EXPECT_EQ(pair->tupleRest->tupleRest, registry.worldType());
    EXPECT_EQ(pair->valueSize, 2 * sizeof(void*));
    EXPECT_EQ(pair, registry.tupleType(registry.integerType(), type("( string )")));

    const TypeRecord* nested = type("( integer, ( string, boolean ) )");
    ASSERT_NE(nested, nullptr);
    EXPECT_EQ(nested->tupleRest->tupleFirst, type("( string, boolean )"));

    EXPECT_EQ(type("( integer, test no such type )"), nullptr);

    const TypeRecord* named = type("point( integer, integer )");
    ASSERT_NE(named, nullptr);
    EXPECT_STREQ(named->name, "point( integer, integer )");
    EXPECT_EQ(named->valueSize, pair->valueSize);
    EXPECT_EQ(named, type("point( integer, integer )"));

    EXPECT_THROW(type("(integer, string)"), BadStructuredTypeName);
    EXPECT_THROW(type("( )"), BadStructuredTypeName);
    EXPECT_THROW(type("( integer,string )"), BadTypeList);
}

TEST_F(Registry, TupleTypesCompareAndConvertElementByElement)
{
    const TypeRecord* pair = type("( test animal, test dog )");
    EXPECT_NO_THROW(registry.findBinaryOperator(pair, kEqual, pair));
    EXPECT_NO_THROW(registry.findBinaryOperator(pair, kLessThan, pair));
    EXPECT_NO_THROW(registry.findBinaryOperator(pair, kLessThanOrEqual, pair));
    EXPECT_NO_THROW(registry.findCast(pair, "string"));
    // The comparisons are there whatever the elements (they answer nothing
    // when an element type lacks what they need); the string cast is not.
    const TypeRecord* wide = type("( test animal, test wide )");
    EXPECT_NO_THROW(registry.findBinaryOperator(wide, kLessThan, wide));
    EXPECT_THROW(registry.findCast(wide, "string"), OperationNotDefined);
}

TEST_F(Registry, PropertyLookupPrefersTheMostDerivedTypes)
{
    const TypeRecord* dog = type("test dog");
    const TypeRecord* animal = type("test animal");
    PropertyLookup found = registry.findProperty(dog, "test legs", nullptr);
    EXPECT_EQ(found.record->objectTypeName, std::string_view("test dog"));
    EXPECT_FALSE(found.plural);
    found = registry.findProperty(animal, "test legss", nullptr);
    EXPECT_EQ(found.record->objectTypeName, std::string_view("test animal"));
    EXPECT_TRUE(found.plural);
    // The key's base chain is tried for each object type.
    found = registry.findProperty(dog, "test scaled", dog);
    EXPECT_EQ(found.record->keyTypeName, std::string_view("test dog"));
    found = registry.findProperty(dog, "test scaled", registry.integerType());
    EXPECT_EQ(found.record->keyTypeName, std::string_view("integer"));
    // Nothing for the base found from a derived key that only the derived
    // registration accepts, and nothing at all for unknown phrases.
    EXPECT_THROW(registry.findProperty(animal, "test scaled", registry.stringType()), OperationNotDefined);
    EXPECT_THROW(registry.findProperty(nullptr, "test legs", nullptr), OperationNotDefined);
    found = registry.findProperty(nullptr, "test greeting", nullptr);
    EXPECT_EQ(found.record->resultType(), registry.stringType());
    try {
        registry.findProperty(dog, "test wings", nullptr);
        FAIL();
    } catch (const OperationNotDefined& e) {
        EXPECT_EQ(e.name(), "test wings");
    }
}

TEST_F(Registry, BinaryOperatorNeedsOneRegistrationMostSpecificOnBothSides)
{
    const TypeRecord* dog = type("test dog");
    const TypeRecord* animal = type("test animal");
    EXPECT_EQ(registry.findBinaryOperator(dog, kPlus, animal)->leftType(), dog);
    EXPECT_EQ(registry.findBinaryOperator(animal, kPlus, dog)->leftType(), animal);
    // Most specific left is the dog, most specific right is the dog: no
    // registration has exactly (dog, dog).
    EXPECT_THROW(registry.findBinaryOperator(dog, kPlus, dog), OperationNotDefined);
    try {
        registry.findBinaryOperator(registry.integerType(), kPlus, registry.stringType());
        FAIL();
    } catch (const OperationNotDefined& e) {
        EXPECT_EQ(e.name(), "plus");
    }
}

TEST_F(Registry, CastsAreFoundByTheirOwnName)
{
    const CastRecord* cast = registry.findCast(registry.integerType(), "test bits");
    EXPECT_EQ(cast->resultType(), type("test animal"));
    EXPECT_THROW(registry.findCast(registry.stringType(), "test bits"), OperationNotDefined);
    EXPECT_THROW(registry.findUnaryOperator(type("test animal"), kUnaryMinus), OperationNotDefined);
}

TEST_F(Registry, BlockedInspectorsAreRefused)
{
    std::unordered_set<std::string> blocked{"test legs", "test bits"};
    registry.build(&blocked);
    EXPECT_THROW(registry.findProperty(type("test dog"), "test legss", nullptr), InspectorBlacklisted);
    EXPECT_THROW(registry.findCast(registry.integerType(), "test bits"), InspectorBlacklisted);
    registry.build();
    EXPECT_NO_THROW(registry.findProperty(type("test dog"), "test legss", nullptr));
}

TEST_F(Registry, PropertiesOfATupleTypeKeepTheTupleOwnInspectorsAndSurviveRebuilds)
{
    const TypeRecord* pair = type("( test animal, test dog )");
    ASSERT_NE(pair, nullptr);
    for (int build = 0; build < 2; ++build) {
        SCOPED_TRACE(build);
        PropertyLookup found = registry.findProperty(pair, "test pair legss", nullptr);
        EXPECT_TRUE(found.plural);
        EXPECT_EQ(found.record->resultType(), registry.integerType());
        EXPECT_FALSE(registry.findProperty(pair, "test pair legs", nullptr).plural);
        // The tuple's own comparisons are there beside the property.
        EXPECT_NO_THROW(registry.findBinaryOperator(pair, kEqual, pair));
        std::size_t entries = pair->tables->properties.size();
        EXPECT_EQ(entries, 2u); // the singular and the plural phrase, entered once
        registry.build();
    }
}

TEST(Registration, BlocksTooSmallAreRefused)
{
    RegistrationBlock block;
    EXPECT_THROW(registerType(nullptr, sizeof block, "x", 1, nullptr, nullptr, nullptr), TypeRegistrationBlockTooSmall);
    EXPECT_THROW(registerType(&block, sizeof(TypeRecord) - 1, "x", 1, nullptr, nullptr, nullptr),
                 TypeRegistrationBlockTooSmall);
    EXPECT_THROW(registerProperty(&block, sizeof(PropertyRecord) - 1, {}), PropertyRegistrationBlockTooSmall);
    EXPECT_THROW(registerCast(&block, sizeof(CastRecord) - 1, {}), CastRegistrationBlockTooSmall);
    EXPECT_THROW(registerBinaryOperator(nullptr, sizeof block, {}), BinaryOperatorRegistrationBlockTooSmall);
    EXPECT_THROW(registerUnaryOperator(&block, 8, {}), UnaryOperatorRegistrationBlockTooSmall);

    // a copied record needs room for its slot as well
    EXPECT_THROW(registerProperty(&block, sizeof(PropertyRecord), {}), PropertyRegistrationBlockTooSmall);

    // rows: only a type takes storage (its record rounded to 16 bytes), the
    // other records stay in the rows; storage that runs out refuses the type
    // that does not fit (the first row here, so that nothing is registered)
    constexpr std::array rows{type<Animal>(), cast<animalLegs>("integer")};
    static_assert(registeredSize(rows) == registeredSize(rows[0]) && registeredSize(rows[1]) == 0);
    static_assert(registeredSize(rows[0]) % 16 == 0 && registeredSize(rows[0]) >= sizeof(TypeRecord));
    alignas(16) unsigned char storage[registeredSize(rows)];
    EXPECT_THROW(registerRows(rows.data(), rows.size(), storage, registeredSize(rows[0]) - 1),
                 TypeRegistrationBlockTooSmall);
}

} // namespace

} // namespace guard
