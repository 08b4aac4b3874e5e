// The registered vocabulary, checked against the catalogue's rows in the
// files catalogue/*.rows beside this file (one file per vocabulary; the
// format is told at the top of catalogue/core.rows): every
// row is registered exactly once, is found by the registry under each of its
// phrases, and binds in a small expression to that very record; nothing else
// is registered for the types a file lists with "core"; rows that come with
// later vocabulary are listed as such and must still be absent.
//
// A binary of its own: the registry tests register a vocabulary of their own
// (a cast from "integer" among it) that is no part of the catalogue.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "crypto/OpenSSLCryptoInspectorContext.h"
#include "crypto/OpenSslCertificateContext.h"
#include "guard/tree/BindingErrors.h"
#include "guard/GuardEvaluator.h"
#include "guard/tree/OperatorExpressions.h"
#include "guard/tree/PropertyExpression.h"
#include "platform/ModuleTable.h"
#include "registry/ContextFacets.h"
#include "registry/InspectorErrors.h"
#include "registry/InspectorRegistry.h"
#include "registry/Registration.h"
#include "support/Questions.h"

namespace guard {

namespace {

// How many fields after the row kind name the record (up to its result type).
std::size_t signatureFields(const std::string& kind) { return kind == "property" ? 6 : kind == "binary" ? 4 : 3; }

std::string joined(std::initializer_list<std::string_view> fields)
{
    std::string text;
    for (std::string_view field : fields)
        text += (text.empty() ? "" : " | ") + std::string(field);
    return text;
}

// One line of a rows file: its kind, its fields (missing trailing ones
// empty), the record's fields joined, the sample expression and the tag
// ("" for a value, "nothing", "error", "unreachable", "later" or "never").
struct Row {
    std::string kind;
    std::vector<std::string> f;
    std::string signature, use, tag;
};

struct Catalogue {
    std::set<std::string> coreTypes;
    std::vector<Row> types, records;
};

// The rows of every catalogue/*.rows file, read once, in file name order.
const Catalogue& catalogue()
{
    static const Catalogue rows = [] {
        Catalogue c;
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(GUARD_TEST_SOURCE_DIR) /
                                                                     "Inspectors/Portable/catalogue"))
            if (entry.path().extension() == ".rows")
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        EXPECT_FALSE(files.empty()) << "no catalogue/*.rows";
        std::string line;
        for (const auto& file : files) {
            std::ifstream in(file);
            EXPECT_TRUE(in) << file;
            while (std::getline(in, line)) {
                if (line.empty() || line[0] == '#')
                    continue;
                Row row;
                for (std::size_t start = 0;;) {
                    std::size_t bar = line.find(" | ", start);
                    row.f.push_back(line.substr(start, bar == std::string::npos ? bar : bar - start));
                    if (bar == std::string::npos)
                        break;
                    start = bar + 3;
                }
                row.kind = row.f[0];
                std::size_t n = signatureFields(row.kind);
                row.f.resize(n + 3);
                for (std::size_t i = 1; i <= n; ++i)
                    row.signature += (i > 1 ? " | " : "") + row.f[i];
                row.use = row.f[n + 1];
                row.tag = row.f[n + 2];
                if (row.kind == "core")
                    c.coreTypes.insert(row.f[1]);
                else if (row.kind == "type")
                    c.types.push_back(row);
                else if (row.kind == "property" || row.kind == "cast" || row.kind == "binary" || row.kind == "unary")
                    c.records.push_back(row);
                else
                    ADD_FAILURE() << "unknown row in " << file << ": " << line;
            }
        }
        return c;
    }();
    return rows;
}

std::string_view textOf(const char* text) { return text ? std::string_view(text) : std::string_view(); }

const char* kindLetter(PropertyKind kind)
{
    return kind == PropertyKind::Plain ? "P" : kind == PropertyKind::Iterated ? "I" : "A";
}

// A registered record written as its row would be, with the type it is listed
// under: its direct object (a global property: its result), its source or its
// left operand.
struct Registered {
    std::string kind, signature, listedUnder;
    const void* record;
};

std::vector<Registered> registeredRecords()
{
    std::vector<Registered> all;
    for (const PropertyRecord* r = firstRegisteredProperty(); r; r = r->nextRegistered()) {
        std::string_view object = textOf(r->objectTypeName);
        all.push_back({"property",
                       joined({kindLetter(r->kind), textOf(r->singularName), textOf(r->pluralName),
                               textOf(r->keyTypeName), object, textOf(r->resultTypeName)}),
                       std::string(object.empty() ? textOf(r->resultTypeName) : object), r});
    }
    for (const CastRecord* r = firstRegisteredCast(); r; r = r->nextRegistered())
        all.push_back({"cast", joined({textOf(r->castName), textOf(r->sourceTypeName), textOf(r->resultTypeName)}),
                       std::string(textOf(r->sourceTypeName)), r});
    for (const BinaryOperatorRecord* r = firstRegisteredBinaryOperator(); r; r = r->nextRegistered())
        all.push_back({"binary",
                       joined({binaryOperatorSymbol(r->operatorIndex), textOf(r->leftTypeName),
                               textOf(r->rightTypeName), textOf(r->resultTypeName)}),
                       std::string(textOf(r->leftTypeName)), r});
    for (const UnaryOperatorRecord* r = firstRegisteredUnaryOperator(); r; r = r->nextRegistered())
        all.push_back(
            {"unary",
             joined({unaryOperatorSymbol(r->operatorIndex), textOf(r->operandTypeName), textOf(r->resultTypeName)}),
             std::string(textOf(r->operandTypeName)), r});
    return all;
}

// Parses and binds one expression and evaluates its first value.
// The context samples run in: a library facet whose module table holds the
// program's own module as "HostApplication".
// The facets the sampled rows ask for.
struct CatalogueContext : InspectorContext, InspectorLibraryContext, OpenSSLCryptoInspectorContext, EvalFipsContext {
    CatalogueContext()
    {
        findModule = [](std::string_view name) -> void* {
            return name == "HostApplication" ? Platform::hostApplicationModule() : nullptr;
        };
        moduleAt = [](std::size_t index) -> void* { return index == 0 ? Platform::hostApplicationModule() : nullptr; };
    }
};

class Binder {
public:
    Binder() : evaluator_(&context_) { }

    // The bound tree's nodes (root first), or empty when binding failed.
    std::vector<Expression*> bind(const std::string& text)
    {
        bindError_.clear();
        try {
            bindQuestion(evaluator_, text);
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
    std::string evaluate()
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
    CatalogueContext context_;
    GuardEvaluator evaluator_;
    std::string bindError_;
};

const void* recordOf(const Expression* node)
{
    switch (node->kind) {
    case NodeKind::Property: return static_cast<const PropertyExpression*>(node)->record;
    case NodeKind::Cast: return static_cast<const CastingExpression*>(node)->record;
    case NodeKind::BinaryOperator: return static_cast<const BinaryOperatorExpression*>(node)->record;
    case NodeKind::UnaryOperator: return static_cast<const UnaryOperatorExpression*>(node)->record;
    default: return nullptr;
    }
}

// Binds `text` and expects a node of the tree to use `record`, and the first
// value to give `tag`; gives the root, or null when binding failed.
const Expression* expectBinds(Binder& binder, const std::string& text, const void* record, const std::string& tag)
{
    SCOPED_TRACE(text);
    std::vector<Expression*> nodes = binder.bind(text);
    EXPECT_FALSE(nodes.empty()) << binder.bindError();
    bool uses = false;
    for (const Expression* node : nodes)
        uses |= recordOf(node) == record;
    EXPECT_TRUE(uses);
    EXPECT_EQ(binder.evaluate(), tag);
    return nodes.empty() ? nullptr : nodes[0];
}

const TypeRecord* typeNamed(const std::string& name)
{
    return name.empty() ? InspectorRegistry::get().worldType() : InspectorRegistry::get().findType(name.c_str());
}

TEST(Catalogue, TypesAreRegisteredOnceWithTheirBasesAndHashes)
{
    // type | name | base | hashing | value size
    for (const Row& row : catalogue().types) {
        const std::string &name = row.f[1], &base = row.f[2], &hashing = row.f[3], &valueSize = row.f[4];
        SCOPED_TRACE(name);
        int registrations = 0;
        for (const TypeRecord* t = firstRegisteredType(); t; t = t->nextRegistered)
            registrations += std::string_view(t->name) == name;
        if (row.tag == "later") {
            EXPECT_EQ(registrations, 0);
            continue;
        }
        EXPECT_EQ(registrations, 1);
        const TypeRecord* type = InspectorRegistry::get().findType(name.c_str());
        ASSERT_NE(type, nullptr);
        if (hashing != "unsaid") {
            EXPECT_EQ(type->hash != nullptr, hashing == "yes");
        }
        if (!valueSize.empty()) {
            EXPECT_EQ(type->declaredSize, std::stoul(valueSize));
        }
        if (base.empty()) {
            EXPECT_EQ(type->base, nullptr);
            continue;
        }
        ASSERT_NE(type->base, nullptr);
        EXPECT_EQ(type->base->name, base);
        // A value with its count: the plain value, rounded up to 8 bytes, then the count.
        if (name.ends_with(" with multiplicity")) {
            EXPECT_EQ(type->declaredSize, (type->base->declaredSize + 7) / 8 * 8 + 8);
        }
    }
}

// Property rows: P, I or A | singular | plural | key | direct object | result.
void checkPropertyRecord(Binder& binder, const Row& row, const PropertyRecord* record)
{
    const std::string &singular = row.f[2], &plural = row.f[3];
    EXPECT_EQ(record->iterated, record->kind != PropertyKind::Plain);
    const TypeRecord* object = typeNamed(row.f[5]);
    const TypeRecord* key = typeNamed(row.f[4]);
    ASSERT_NE(object, nullptr);
    ASSERT_NE(key, nullptr);
    for (const std::string& phrase : {singular, plural}) {
        PropertyLookup lookup = InspectorRegistry::get().findProperty(object, phrase.c_str(), key);
        EXPECT_EQ(lookup.record, record) << phrase;
        EXPECT_EQ(lookup.plural, phrase == plural) << phrase;
        if (row.tag == "unreachable")
            continue;
        std::string text = row.use;
        text.replace(text.find('@'), 1, phrase);
        if (const Expression* root = expectBinds(binder, text, record, row.tag)) {
            EXPECT_EQ(root->plural, phrase == plural) << text;
            EXPECT_EQ(root->type->name, row.f[6]) << text;
        }
    }
}

TEST(Catalogue, EveryRowIsRegisteredOnceFoundByTheRegistryAndBinds)
{
    const std::vector<Registered> all = registeredRecords();
    Binder binder;
    InspectorRegistry& registry = InspectorRegistry::get();
    for (const Row& row : catalogue().records) {
        SCOPED_TRACE(row.kind + " | " + row.signature);
        std::vector<const void*> found;
        for (const Registered& r : all)
            if (r.kind == row.kind && r.signature == row.signature)
                found.push_back(r.record);
        if (row.tag == "never") {
            EXPECT_TRUE(found.empty()) << "a row naming a type that does not exist is registered";
            // Its type fields: after the kind letter and phrases of a property, after a
            // cast's name or an operator's symbol.
            bool namesAMissingType = false;
            for (std::size_t i = row.kind == "property" ? 4 : 2; i <= signatureFields(row.kind); ++i)
                namesAMissingType |= typeNamed(row.f[i]) == nullptr;
            EXPECT_TRUE(namesAMissingType) << "a row tagged never names only registered types";
            continue;
        }
        if (row.tag == "later") {
            EXPECT_TRUE(found.empty()) << "registered now: list the row as present";
            continue;
        }
        ASSERT_EQ(found.size(), 1u);
        const void* record = found[0];
        const std::vector<std::string>& f = row.f;
        if (row.kind == "property") {
            checkPropertyRecord(binder, row, static_cast<const PropertyRecord*>(record));
            continue;
        }
        if (row.kind == "cast") {
            EXPECT_EQ(registry.findCast(typeNamed(f[2]), f[1].c_str()), record);
        } else if (row.kind == "binary") {
            unsigned index = 0;
            while (index < kBinaryOperatorCount && f[1] != binaryOperatorSymbol(index))
                ++index;
            EXPECT_EQ(registry.findBinaryOperator(typeNamed(f[2]), index, typeNamed(f[3])), record);
        } else {
            EXPECT_EQ(registry.findUnaryOperator(typeNamed(f[2]), kUnaryMinus), record);
        }
        expectBinds(binder, row.use, record, row.tag);
    }
}

TEST(Catalogue, NothingElseIsRegisteredForTheListedTypes)
{
    const Catalogue& c = catalogue();
    for (const Registered& r : registeredRecords()) {
        if (!c.coreTypes.count(r.listedUnder))
            continue;
        bool expected = false;
        for (const Row& row : c.records)
            expected |= row.tag != "later" && row.tag != "never" && row.kind == r.kind && row.signature == r.signature;
        EXPECT_TRUE(expected) << "unexpected " << r.kind << " | " << r.signature;
    }
}

} // namespace

} // namespace guard
