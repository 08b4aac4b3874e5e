// The registered vocabulary of the core types (introspection, undefined,
// booleans, numbers, bit sets, sets and the bundles over them), checked
// against the catalogue's rows in CoreCatalogue.rows beside this file: every
// row is registered exactly once, is found by the registry under each of its
// phrases, and binds in a small expression to that very record; nothing else
// is registered for these types; rows that come with later vocabulary (dates,
// months, rates) are listed as such and must still be absent.
//
// A binary of its own: the registry tests register a vocabulary of their own
// (a cast from "integer" among it) that is no part of the catalogue.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "guard/BindingErrors.h"
#include "guard/GuardEvaluator.h"
#include "guard/OperatorExpressions.h"
#include "guard/PropertyExpression.h"
#include "registry/InspectorErrors.h"
#include "registry/InspectorRegistry.h"
#include "registry/Registration.h"

namespace {

// What a row's sample expression gives when evaluated, or how the row is
// checked: "" (a value), "nothing", "error", "unreachable" or "later".
using Tag = std::string;

struct PropertyRow {
    PropertyKind kind;
    std::string singular, plural, key, object, result, use;
    Tag tag;
};

struct CastRow {
    std::string name, source, result, use;
    Tag tag;
};

struct BinaryRow {
    unsigned index;
    std::string left, right, result, use;
    Tag tag;
};

struct UnaryRow {
    std::string operand, result, use;
};

struct TypeRow {
    std::string name, base, hashing, valueSize;
};

struct Catalogue {
    std::set<std::string> coreTypes;
    std::vector<TypeRow> types;
    std::vector<PropertyRow> properties;
    std::vector<CastRow> casts;
    std::vector<BinaryRow> binaryOperators;
    std::vector<UnaryRow> unaryOperators;
};

unsigned binaryOperatorIndex(const std::string& symbol)
{
    for (unsigned index = 0; index < kBinaryOperatorCount; ++index)
        if (symbol == binaryOperatorSymbol(index))
            return index;
    ADD_FAILURE() << "no binary operator " << symbol;
    return kBinaryOperatorCount;
}

PropertyKind propertyKind(const std::string& letter)
{
    if (letter == "I")
        return PropertyKind::Iterated;
    if (letter == "A")
        return PropertyKind::Aggregate;
    EXPECT_EQ(letter, "P");
    return PropertyKind::Plain;
}

// The rows of CoreCatalogue.rows, read once.
const Catalogue& catalogue()
{
    static const Catalogue rows = [] {
        Catalogue c;
        std::ifstream in(std::filesystem::path(__FILE__).parent_path() / "CoreCatalogue.rows");
        EXPECT_TRUE(in) << "CoreCatalogue.rows not found beside " << __FILE__;
        std::string line;
        while (std::getline(in, line)) {
            if (line.empty() || line[0] == '#')
                continue;
            std::vector<std::string> f;
            for (std::size_t start = 0;;) {
                std::size_t bar = line.find(" | ", start);
                std::string field = line.substr(start, bar == std::string::npos ? bar : bar - start);
                f.push_back(field);
                if (bar == std::string::npos)
                    break;
                start = bar + 3;
            }
            f.resize(9);
            const std::string& kind = f[0];
            if (kind == "core")
                c.coreTypes.insert(f[1]);
            else if (kind == "type")
                c.types.push_back({f[1], f[2], f[3], f[4]});
            else if (kind == "property")
                c.properties.push_back({propertyKind(f[1]), f[2], f[3], f[4], f[5], f[6], f[7], f[8]});
            else if (kind == "cast")
                c.casts.push_back({f[1], f[2], f[3], f[4], f[5]});
            else if (kind == "binary")
                c.binaryOperators.push_back({binaryOperatorIndex(f[1]), f[2], f[3], f[4], f[5], f[6]});
            else if (kind == "unary")
                c.unaryOperators.push_back({f[1], f[2], f[3]});
            else
                ADD_FAILURE() << "unknown row: " << line;
        }
        return c;
    }();
    return rows;
}

std::string_view textOf(const char* text) { return text ? std::string_view(text) : std::string_view(); }

bool sameProperty(const PropertyRecord& r, const PropertyRow& row)
{
    return textOf(r.singularName) == row.singular && textOf(r.pluralName) == row.plural &&
           textOf(r.keyTypeName) == row.key && textOf(r.objectTypeName) == row.object &&
           textOf(r.resultTypeName) == row.result;
}

bool sameCast(const CastRecord& r, const CastRow& row)
{
    return textOf(r.castName) == row.name && textOf(r.sourceTypeName) == row.source &&
           textOf(r.resultTypeName) == row.result;
}

bool sameBinary(const BinaryOperatorRecord& r, const BinaryRow& row)
{
    return r.operatorIndex == row.index && textOf(r.leftTypeName) == row.left &&
           textOf(r.rightTypeName) == row.right && textOf(r.resultTypeName) == row.result;
}

bool sameUnary(const UnaryOperatorRecord& r, const UnaryRow& row)
{
    return r.operatorIndex == kUnaryMinus && textOf(r.operandTypeName) == row.operand &&
           textOf(r.resultTypeName) == row.result;
}

// The registered records that match a row.
template <class Record, class Row, class Same>
std::vector<const Record*> matching(Record* head, const Row& row, Same same)
{
    std::vector<const Record*> found;
    for (const Record* r = head; r; r = r->nextRegistered)
        if (same(*r, row))
            found.push_back(r);
    return found;
}

std::string describe(const PropertyRow& row)
{
    return row.singular + " / " + row.plural + " <" + row.key + "> of <" + row.object + ">: " + row.result;
}

std::string describe(const CastRow& row)
{
    return "<" + row.source + "> as " + row.name + ": " + row.result;
}

std::string describe(const BinaryRow& row)
{
    return "<" + row.left + "> " + binaryOperatorSymbol(row.index) + " <" + row.right + ">: " + row.result;
}

// Parses and binds one expression and evaluates its first value.
class Binder {
public:
    Binder() : evaluator_(&context_) {}

    // The bound tree's nodes (root first), or empty when binding failed.
    std::vector<Expression*> bind(const std::string& text)
    {
        evaluator_.reset();
        bindError_.clear();
        try {
            evaluator_.lexer().Receive(text.data(), text.data() + text.size());
            evaluator_.endInput();
        } catch (const std::exception& e) {
            bindError_ = e.what();
            return {};
        }
        std::vector<Expression*> nodes;
        for (Expression* node = evaluator_.root(); node; node = node->nextBuilt)
            nodes.push_back(node);
        return nodes;
    }
    const std::string& bindError() const { return bindError_; }

    // What the first value of the bound expression gives: "" for a value,
    // "nothing" or "error".
    Tag evaluate()
    {
        try {
            const void* value = evaluator_.firstValue();
            evaluator_.stop();
            return value ? "" : "nothing";
        } catch (const ArgumentDoesNotExist&) {
            evaluator_.stop();
            return "nothing";
        } catch (const UserDefinedInspectionError&) {
            evaluator_.stop();
            return "error";
        }
    }

private:
    InspectorContext context_;
    GuardEvaluator evaluator_;
    std::string bindError_;
};

template <class Node, class Record>
bool bindsTo(const std::vector<Expression*>& nodes, NodeKind kind, const Record* record)
{
    for (Expression* node : nodes)
        if (node->kind == kind && static_cast<Node*>(node)->record == record)
            return true;
    return false;
}

std::string withPhrase(const std::string& use, const std::string& phrase)
{
    std::string text(use);
    text.replace(text.find('@'), 1, phrase);
    return text;
}

const TypeRecord* typeNamed(const std::string& name)
{
    return InspectorRegistry::get().findType(name.c_str());
}

TEST(CoreCatalogue, TypesAreRegisteredOnceWithTheirBasesAndHashes)
{
    for (const TypeRow& row : catalogue().types) {
        SCOPED_TRACE(row.name);
        int registrations = 0;
        for (const TypeRecord* t = firstRegisteredType(); t; t = t->nextRegistered)
            registrations += std::string_view(t->name) == row.name;
        EXPECT_EQ(registrations, 1);
        const TypeRecord* type = typeNamed(row.name);
        ASSERT_NE(type, nullptr);
        if (row.hashing != "unsaid") {
            EXPECT_EQ(type->hash != nullptr, row.hashing == "yes");
        }
        if (!row.valueSize.empty()) {
            EXPECT_EQ(type->valueSize, std::stoul(row.valueSize));
        }
        if (row.base.empty()) {
            EXPECT_EQ(type->base, nullptr);
            continue;
        }
        ASSERT_NE(type->base, nullptr);
        EXPECT_EQ(type->base->name, row.base);
        // A value with its count: the plain value, rounded up to 8 bytes, then the count.
        EXPECT_EQ(type->valueSize, (type->base->valueSize + 7) / 8 * 8 + 8);
    }
}

// Each check works on one row; a failed assertion ends the row, not the test.
void checkPropertyRow(Binder& binder, const PropertyRow& row)
{
    SCOPED_TRACE(describe(row));
    std::vector<const PropertyRecord*> found = matching(firstRegisteredProperty(), row, sameProperty);
    if (row.tag == "later") {
        EXPECT_TRUE(found.empty()) << "registered now: list the row as present";
        return;
    }
    ASSERT_EQ(found.size(), 1u);
    const PropertyRecord* record = found[0];
    EXPECT_EQ(record->kind, row.kind);
    EXPECT_EQ(record->iterated, row.kind != PropertyKind::Plain);

    InspectorRegistry& registry = InspectorRegistry::get();
    const TypeRecord* object = row.object.empty() ? registry.worldType() : typeNamed(row.object);
    const TypeRecord* key = row.key.empty() ? registry.worldType() : typeNamed(row.key);
    ASSERT_NE(object, nullptr);
    ASSERT_NE(key, nullptr);
    for (const std::string& phrase : {row.singular, row.plural}) {
        PropertyLookup lookup = registry.findProperty(object, phrase.c_str(), key);
        EXPECT_EQ(lookup.record, record) << phrase;
        EXPECT_EQ(lookup.plural, phrase == row.plural) << phrase;
        if (row.tag == "unreachable")
            continue;
        std::string text = withPhrase(row.use, phrase);
        SCOPED_TRACE(text);
        std::vector<Expression*> nodes = binder.bind(text);
        ASSERT_FALSE(nodes.empty()) << binder.bindError();
        EXPECT_TRUE(bindsTo<PropertyExpression>(nodes, NodeKind::Property, record));
        EXPECT_EQ(nodes[0]->plural, phrase == row.plural);
        EXPECT_EQ(nodes[0]->type->name, row.result);
        EXPECT_EQ(binder.evaluate(), row.tag);
    }
}

void checkCastRow(Binder& binder, const CastRow& row)
{
    SCOPED_TRACE(describe(row));
    std::vector<const CastRecord*> found = matching(firstRegisteredCast(), row, sameCast);
    if (row.tag == "later") {
        EXPECT_TRUE(found.empty()) << "registered now: list the row as present";
        return;
    }
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(InspectorRegistry::get().findCast(typeNamed(row.source), row.name.c_str()), found[0]);
    std::vector<Expression*> nodes = binder.bind(row.use);
    ASSERT_FALSE(nodes.empty()) << binder.bindError();
    EXPECT_TRUE(bindsTo<CastingExpression>(nodes, NodeKind::Cast, found[0]));
    EXPECT_EQ(binder.evaluate(), row.tag);
}

void checkBinaryRow(Binder& binder, const BinaryRow& row)
{
    SCOPED_TRACE(describe(row));
    std::vector<const BinaryOperatorRecord*> found = matching(firstRegisteredBinaryOperator(), row, sameBinary);
    if (row.tag == "later") {
        EXPECT_TRUE(found.empty()) << "registered now: list the row as present";
        return;
    }
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(InspectorRegistry::get().findBinaryOperator(typeNamed(row.left), row.index, typeNamed(row.right)),
              found[0]);
    std::vector<Expression*> nodes = binder.bind(row.use);
    ASSERT_FALSE(nodes.empty()) << binder.bindError();
    EXPECT_TRUE(bindsTo<BinaryOperatorExpression>(nodes, NodeKind::BinaryOperator, found[0]));
    EXPECT_EQ(binder.evaluate(), "");
}

void checkUnaryRow(Binder& binder, const UnaryRow& row)
{
    SCOPED_TRACE(row.use);
    std::vector<const UnaryOperatorRecord*> found = matching(firstRegisteredUnaryOperator(), row, sameUnary);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(InspectorRegistry::get().findUnaryOperator(typeNamed(row.operand), kUnaryMinus), found[0]);
    std::vector<Expression*> nodes = binder.bind(row.use);
    ASSERT_FALSE(nodes.empty()) << binder.bindError();
    EXPECT_TRUE(bindsTo<UnaryOperatorExpression>(nodes, NodeKind::UnaryOperator, found[0]));
    EXPECT_EQ(binder.evaluate(), "");
}

TEST(CoreCatalogue, EveryPropertyRowIsRegisteredOnceAndBindsUnderBothPhrases)
{
    Binder binder;
    for (const PropertyRow& row : catalogue().properties)
        checkPropertyRow(binder, row);
}

TEST(CoreCatalogue, EveryCastRowIsRegisteredOnceAndBinds)
{
    Binder binder;
    for (const CastRow& row : catalogue().casts)
        checkCastRow(binder, row);
}

TEST(CoreCatalogue, EveryOperatorRowIsRegisteredOnceAndBinds)
{
    Binder binder;
    for (const BinaryRow& row : catalogue().binaryOperators)
        checkBinaryRow(binder, row);
    for (const UnaryRow& row : catalogue().unaryOperators)
        checkUnaryRow(binder, row);
}

bool isCore(const char* typeName) { return catalogue().coreTypes.count(std::string(textOf(typeName))) != 0; }

TEST(CoreCatalogue, NothingElseIsRegisteredForTheCoreTypes)
{
    const Catalogue& c = catalogue();
    for (const PropertyRecord* r = firstRegisteredProperty(); r; r = r->nextRegistered) {
        bool listedHere = isCore(r->objectTypeName) || (!*r->objectTypeName && isCore(r->resultTypeName));
        if (!listedHere)
            continue;
        bool expected = false;
        for (const PropertyRow& row : c.properties)
            expected |= row.tag != "later" && sameProperty(*r, row);
        EXPECT_TRUE(expected) << "unexpected property " << r->singularName << " <" << r->keyTypeName << "> of <"
                              << r->objectTypeName << ">: " << r->resultTypeName;
    }
    for (const CastRecord* r = firstRegisteredCast(); r; r = r->nextRegistered) {
        if (!isCore(r->sourceTypeName))
            continue;
        bool expected = false;
        for (const CastRow& row : c.casts)
            expected |= row.tag != "later" && sameCast(*r, row);
        EXPECT_TRUE(expected) << "unexpected cast <" << r->sourceTypeName << "> as " << r->castName;
    }
    for (const BinaryOperatorRecord* r = firstRegisteredBinaryOperator(); r; r = r->nextRegistered) {
        if (!isCore(r->leftTypeName))
            continue;
        bool expected = false;
        for (const BinaryRow& row : c.binaryOperators)
            expected |= row.tag != "later" && sameBinary(*r, row);
        EXPECT_TRUE(expected) << "unexpected operator <" << r->leftTypeName << "> "
                              << binaryOperatorSymbol(r->operatorIndex) << " <" << r->rightTypeName << ">";
    }
    for (const UnaryOperatorRecord* r = firstRegisteredUnaryOperator(); r; r = r->nextRegistered) {
        if (!isCore(r->operandTypeName))
            continue;
        bool expected = false;
        for (const UnaryRow& row : c.unaryOperators)
            expected |= sameUnary(*r, row);
        EXPECT_TRUE(expected) << "unexpected unary operator on <" << r->operandTypeName << ">";
    }
}

} // namespace
