// "binary operator" and "unary operator" values: the registered operators
// and what their records say.
#include "Inspectors/Portable/IntrospectionValues.h"
#include "registry/Inspectors.h"
#include "registry/Registration.h"

namespace guard {

namespace {

// The operators of one kind: all of them, those whose symbol (or else name)
// is a given text, or those returning a given type.
template <class Record, class Ref, auto Head, const char* (*Symbol)(unsigned), const char* (*Name)(unsigned)>
struct OperatorLists {
    static bool named(const Record& record, const String& key)
    {
        return Symbol(record.operatorIndex) == key.view() || Name(record.operatorIndex) == key.view();
    }
    static bool returning(const Record& record, const TypeRef& type)
    {
        return record.resultTypeName == std::string_view(type.record->name);
    }

    using All = FilteredRecords<Record, Ref, Head, anyRecord<Record>>;
    using Named = FilteredRecords<Record, Ref, Head, named, String>;
    using Returning = FilteredRecords<Record, Ref, Head, returning, TypeRef>;

    static String name(const Ref& op) { return staticText(Name(op.record->operatorIndex)); }
    static String symbol(const Ref& op) { return staticText(Symbol(op.record->operatorIndex)); }
    static TypeRef resultType(const Ref& op) { return typeNamed(op.record->resultTypeName); }
};

using Binary = OperatorLists<BinaryOperatorRecord, BinaryOperatorRef, firstRegisteredBinaryOperator,
                             binaryOperatorSymbol, binaryOperatorName>;
using Unary = OperatorLists<UnaryOperatorRecord, UnaryOperatorRef, firstRegisteredUnaryOperator, unaryOperatorSymbol,
                            unaryOperatorName>;

TypeRef leftOperandType(const BinaryOperatorRef& op) { return typeNamed(op.record->leftTypeName); }
TypeRef rightOperandType(const BinaryOperatorRef& op) { return typeNamed(op.record->rightTypeName); }
TypeRef operandType(const UnaryOperatorRef& op) { return typeNamed(op.record->operandTypeName); }

// "<left> symbol <right>: result"
String binaryAsString(const BinaryOperatorRef& op)
{
    const BinaryOperatorRecord& r = *op.record;
    return String::join({"<", r.leftTypeName, "> ", binaryOperatorSymbol(r.operatorIndex), " <", r.rightTypeName,
                         ">: ", r.resultTypeName});
}

// "symbol <operand>: result", as the binary operators read.
String unaryAsString(const UnaryOperatorRef& op)
{
    const UnaryOperatorRecord& r = *op.record;
    return String::join({unaryOperatorSymbol(r.operatorIndex), " <", r.operandTypeName, ">: ", r.resultTypeName});
}

} // namespace

GUARD_INSPECTORS(type<BinaryOperatorRef>(), iterated<Shape::Global, Binary::All>("binary operator", "binary operators"),
                 iterated<Shape::Keyed, Binary::Named>("binary operator", "binary operators"),
                 iterated<Shape::Keyed, Binary::Returning>("binary operator returning", "binary operators returning"),
                 property<Shape::Of, Binary::name>("name", "names"),
                 property<Shape::Of, Binary::symbol>("symbol", "symbols"),
                 property<Shape::Of, Binary::resultType>("result type", "result types"),
                 property<Shape::Of, leftOperandType>("left operand type", "left operand types"),
                 property<Shape::Of, rightOperandType>("right operand type", "right operand types"),
                 cast<binaryAsString>("string"))

GUARD_INSPECTORS(type<UnaryOperatorRef>(), iterated<Shape::Global, Unary::All>("unary operator", "unary operators"),
                 iterated<Shape::Keyed, Unary::Named>("unary operator", "unary operators"),
                 iterated<Shape::Keyed, Unary::Returning>("unary operator returning", "unary operators returning"),
                 property<Shape::Of, Unary::name>("name", "names"),
                 property<Shape::Of, Unary::symbol>("symbol", "symbols"),
                 property<Shape::Of, Unary::resultType>("result type", "result types"),
                 property<Shape::Of, operandType>("operand type", "operand types"), cast<unaryAsString>("string"))

} // namespace guard
