#include "guard/tree/ExpressionPrinter.h"

#include <cstdio>

#include "guard/tree/ConstantExpressions.h"
#include "guard/tree/LogicalExpressions.h"
#include "guard/tree/OperatorExpressions.h"
#include "guard/tree/PropertyExpression.h"
#include "guard/tree/StructureExpressions.h"

namespace guard {

namespace {

const char* const kBinaryOperatorNames[] = {
    "+", "-", "*", "/", "mod", "&", "=", "<", "<=", "starts with", "ends with", "contains",
};

class Printer {
public:
    std::string text;

    void node(const Expression* e)
    {
        if (!e) {
            text += '-';
            return;
        }
        switch (e->kind) {
        case NodeKind::World: text += "World"; break;
        case NodeKind::String: quoted(static_cast<const StringExpression*>(e)->literal); break;
        case NodeKind::Integer: text += std::to_string(static_cast<const IntegerExpression*>(e)->literal); break;
        case NodeKind::NoInteger: text += "NoInteger"; break;
        case NodeKind::It: text += "It"; break;
        case NodeKind::Property: {
            auto* p = static_cast<const PropertyExpression*>(e);
            text += "Property(";
            quoted(p->phrase);
            text += ", key: ";
            node(p->key);
            text += ", of: ";
            node(p->object);
            text += ')';
            break;
        }
        case NodeKind::ComputedProperty: {
            auto* c = static_cast<const ComputedPropertyExpression*>(e);
            call(c->keyOfPhrase ? "ComputedKey(" : "Computed(", c->left);
            text += ", of: ";
            node(c->object);
            text += ')';
            break;
        }
        case NodeKind::ItemOf: {
            auto* i = static_cast<const ItemOfExpression*>(e);
            call(i->pluralPhrase ? "Items(" : "Item(", i->index);
            text += ", of: ";
            node(i->tuple);
            text += ')';
            break;
        }
        case NodeKind::NumberOf: unary("NumberOf(", static_cast<const NumberOfExpression*>(e)->operand); break;
        case NodeKind::Exists: unary("Exists(", static_cast<const ExistsExpression*>(e)->operand); break;
        case NodeKind::Cast:
        case NodeKind::ImplicitConversion: {
            auto* c = static_cast<const CastingExpression*>(e);
            call(e->kind == NodeKind::Cast ? "As(" : "Conversion(", c->operand);
            text += ", ";
            quoted(c->castName);
            text += ')';
            break;
        }
        case NodeKind::UnaryOperator: {
            auto* u = static_cast<const UnaryOperatorExpression*>(e);
            text += "Unary(";
            text += u->operatorIndex == 0 ? "-" : std::to_string(u->operatorIndex);
            text += ", ";
            unary("", u->operand);
            break;
        }
        case NodeKind::LogicalNot: unary("Not(", static_cast<const LogicalNotExpression*>(e)->operand); break;
        case NodeKind::BinaryOperator: {
            auto* b = static_cast<const BinaryOperatorExpression*>(e);
            text += "Binary(";
            text += b->operatorIndex < std::size(kBinaryOperatorNames) ? kBinaryOperatorNames[b->operatorIndex]
                                                                       : std::to_string(b->operatorIndex);
            text += ", ";
            binary("", b->left, b->right);
            break;
        }
        case NodeKind::And:
        case NodeKind::Or: {
            auto* s = static_cast<const ShortCircuitExpression*>(e);
            binary(e->kind == NodeKind::And ? "And(" : "Or(", s->left, s->right);
            break;
        }
        case NodeKind::If: {
            auto* i = static_cast<const IfExpression*>(e);
            call("If(", i->condition);
            text += ", ";
            binary("", i->thenBranch, i->elseBranch);
            break;
        }
        case NodeKind::Bar: {
            auto* b = static_cast<const BarExpression*>(e);
            binary("Bar(", b->left, b->right);
            break;
        }
        case NodeKind::Collection: {
            auto* c = static_cast<const CollectionExpression*>(e);
            binary("Collection(", c->left, c->right);
            break;
        }
        case NodeKind::Tuple: {
            auto* t = static_cast<const TupleExpression*>(e);
            binary("Tuple(", t->firstElement, t->rest);
            break;
        }
        case NodeKind::Whose: {
            auto* w = static_cast<const WhoseExpression*>(e);
            binary("Whose(", w->object, w->condition);
            break;
        }
        }
    }

private:
    void call(const char* name, const Expression* first)
    {
        text += name;
        node(first);
    }
    void unary(const char* name, const Expression* operand)
    {
        call(name, operand);
        text += ')';
    }
    void binary(const char* name, const Expression* left, const Expression* right)
    {
        call(name, left);
        text += ", ";
        node(right);
        text += ')';
    }
    void quoted(const String& s)
    {
        text += '"';
        for (char c : s.view()) {
            unsigned char byte = static_cast<unsigned char>(c);
            if (byte < 32 || byte > 126 || byte == '%' || byte == '"') {
                char hex[4];
                std::snprintf(hex, sizeof hex, "%%%02X", byte);
                text += hex;
            } else {
                text += c;
            }
        }
        text += '"';
    }
};

} // namespace

std::string printTree(const Expression* root)
{
    Printer printer;
    printer.node(root);
    return printer.text;
}

} // namespace guard
