#include "shell/Explainer.h"

#include <string>

#include "driver/AnswerEscaping.h"
#include "guard/tree/ConstantExpressions.h"
#include "guard/tree/LogicalExpressions.h"
#include "guard/tree/OperatorExpressions.h"
#include "guard/tree/PropertyExpression.h"
#include "guard/tree/StructureExpressions.h"

namespace guard {

namespace {

void putText(LineReceiver& receiver, std::string_view text) { receiver.Text(text.data(), text.data() + text.size()); }

} // namespace

namespace {

std::string angled(const char* typeName)
{
    if (!typeName || !*typeName)
        return "<none>";
    return std::string("<") + typeName + ">";
}

std::string quoted(std::string_view text)
{
    std::string result = "\"";
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte > 0x7E || c == '%' || c == '"') {
            static constexpr char kHex[] = "0123456789ABCDEF";
            result += '%';
            result += kHex[byte >> 4];
            result += kHex[byte & 15];
        } else {
            result += c;
        }
    }
    return result + '"';
}

class Explanation {
public:
    explicit Explanation(LineReceiver& out) : out_(out) { }

    void node(const Expression* e, int depth, std::string_view role)
    {
        std::string line(std::size_t(depth) * 2, ' ');
        if (!role.empty()) {
            line += role;
            line += ' ';
        }
        if (!e) {
            write(line + "-");
            return;
        }
        std::string row;
        line += construct(e, row);
        line += ": ";
        line += e->type && e->type->name ? e->type->name : "?";
        if (e->type && !*e->type->name)
            line += "(world)";
        line += e->plural ? ", plural" : ", singular";
        if (!row.empty())
            line += "  row: " + row;
        write(line);
        children(e, depth + 1);
    }

private:
    void write(const std::string& line)
    {
        out_.Text(line.data(), line.data() + line.size());
        out_.LineEnd(0, 0);
    }

    std::string construct(const Expression* e, std::string& row)
    {
        switch (e->kind) {
        case NodeKind::World: return "world";
        case NodeKind::String: return "string " + quoted(static_cast<const StringExpression*>(e)->literal.view());
        case NodeKind::Integer: return "integer " + std::to_string(static_cast<const IntegerExpression*>(e)->literal);
        case NodeKind::NoInteger: return "no integer";
        case NodeKind::It: return "it";
        case NodeKind::Property: {
            auto* p = static_cast<const PropertyExpression*>(e);
            if (const PropertyRecord* r = p->record)
                row = "phrase " + quoted(p->plural && r->pluralName ? r->pluralName : r->singularName) + ", key " +
                    angled(r->keyTypeName) + ", of " + angled(r->objectTypeName) + ": " + angled(r->resultTypeName);
            return std::string(p->record && p->record->kind == PropertyKind::Aggregate ? "aggregate " : "property ") +
                quoted(p->phrase.view());
        }
        case NodeKind::ComputedProperty:
            return static_cast<const ComputedPropertyExpression*>(e)->keyOfPhrase ? "key of" : "expression of";
        case NodeKind::ItemOf: return static_cast<const ItemOfExpression*>(e)->pluralPhrase ? "items" : "item";
        case NodeKind::NumberOf: return "number of";
        case NodeKind::Exists: return "exists";
        case NodeKind::Cast:
        case NodeKind::ImplicitConversion: {
            auto* c = static_cast<const CastingExpression*>(e);
            if (const CastRecord* r = c->record)
                row = angled(r->sourceTypeName) + " as " + r->castName + ": " + angled(r->resultTypeName);
            return std::string(e->kind == NodeKind::Cast ? "cast " : "conversion ") + quoted(c->castName.view());
        }
        case NodeKind::UnaryOperator: {
            auto* u = static_cast<const UnaryOperatorExpression*>(e);
            if (const UnaryOperatorRecord* r = u->record)
                row = std::string(unaryOperatorSymbol(r->operatorIndex)) + " " + angled(r->operandTypeName) + ": " +
                    angled(r->resultTypeName);
            return std::string("unary operator ") + unaryOperatorSymbol(u->operatorIndex);
        }
        case NodeKind::LogicalNot: return "not";
        case NodeKind::BinaryOperator: {
            auto* b = static_cast<const BinaryOperatorExpression*>(e);
            if (const BinaryOperatorRecord* r = b->record)
                row = angled(r->leftTypeName) + " " + binaryOperatorSymbol(r->operatorIndex) + " " +
                    angled(r->rightTypeName) + ": " + angled(r->resultTypeName);
            return std::string("binary operator ") + binaryOperatorSymbol(b->operatorIndex);
        }
        case NodeKind::And: return "and";
        case NodeKind::Or: return "or";
        case NodeKind::If: return "if";
        case NodeKind::Bar: return "bar |";
        case NodeKind::Collection: return "collection ;";
        case NodeKind::Tuple: return "tuple ,";
        case NodeKind::Whose: return "whose";
        }
        return "?";
    }

    void children(const Expression* e, int depth)
    {
        switch (e->kind) {
        case NodeKind::Property: {
            auto* p = static_cast<const PropertyExpression*>(e);
            const Expression* key = p->key;
            const Expression* object = p->object;
            // Binding points a missing operand at the present one, and a
            // phrase with both reads its key through a node over the object:
            // each operand is shown once.
            if (key == object)
                key = nullptr;
            if (key && key->kind == NodeKind::ComputedProperty) {
                auto* c = static_cast<const ComputedPropertyExpression*>(key);
                if (c->keyOfPhrase && c->object == object)
                    key = c->left;
            }
            if (key)
                node(key, depth, "key:");
            if (object && object->kind != NodeKind::World)
                node(object, depth, "of:");
            break;
        }
        case NodeKind::ComputedProperty: {
            auto* c = static_cast<const ComputedPropertyExpression*>(e);
            node(c->left, depth, "");
            node(c->object, depth, "of:");
            break;
        }
        case NodeKind::ItemOf: {
            auto* i = static_cast<const ItemOfExpression*>(e);
            node(i->index, depth, "index:");
            node(i->tuple, depth, "of:");
            break;
        }
        case NodeKind::NumberOf: node(static_cast<const NumberOfExpression*>(e)->operand, depth, ""); break;
        case NodeKind::Exists: node(static_cast<const ExistsExpression*>(e)->operand, depth, ""); break;
        case NodeKind::Cast:
        case NodeKind::ImplicitConversion: node(static_cast<const CastingExpression*>(e)->operand, depth, ""); break;
        case NodeKind::UnaryOperator: node(static_cast<const UnaryOperatorExpression*>(e)->operand, depth, ""); break;
        case NodeKind::LogicalNot: node(static_cast<const LogicalNotExpression*>(e)->operand, depth, ""); break;
        case NodeKind::BinaryOperator: {
            auto* b = static_cast<const BinaryOperatorExpression*>(e);
            node(b->left, depth, "left:");
            node(b->right, depth, "right:");
            break;
        }
        case NodeKind::And:
        case NodeKind::Or: {
            auto* s = static_cast<const ShortCircuitExpression*>(e);
            node(s->left, depth, "left:");
            node(s->right, depth, "right:");
            break;
        }
        case NodeKind::If: {
            auto* i = static_cast<const IfExpression*>(e);
            node(i->condition, depth, "if:");
            node(i->thenBranch, depth, "then:");
            node(i->elseBranch, depth, "else:");
            break;
        }
        case NodeKind::Bar: {
            auto* b = static_cast<const BarExpression*>(e);
            node(b->left, depth, "left:");
            node(b->right, depth, "right:");
            break;
        }
        case NodeKind::Collection: {
            auto* c = static_cast<const CollectionExpression*>(e);
            node(c->left, depth, "");
            node(c->right, depth, "");
            break;
        }
        case NodeKind::Tuple: {
            auto* t = static_cast<const TupleExpression*>(e);
            node(t->firstElement, depth, "first:");
            // The world value that ends every tuple says nothing.
            if (t->rest && t->rest->kind != NodeKind::World)
                node(t->rest, depth, "rest:");
            break;
        }
        case NodeKind::Whose: {
            auto* w = static_cast<const WhoseExpression*>(e);
            node(w->object, depth, "object:");
            node(w->condition, depth, "condition:");
            break;
        }
        default: break;
        }
    }

    LineReceiver& out_;
};

} // namespace

void writeExplanation(const Expression* root, LineReceiver& out) { Explanation(out).node(root, 0, ""); }

bool explainQuestion(std::string_view question, GuardReceiver& receiver, ExpressionMessageMaker& messages,
                     LineReceiver& out)
{
    bool ok = true;
    receiver.reset();
    try {
        receiver.Start();
        receiver.Receive(question.data(), question.data() + question.size());
        receiver.Finish();
        receiver.understand();
    } catch (...) {
        messages.describeUnderstandingFailure();
        ok = false;
    }
    if (ok) {
        writeExplanation(receiver.evaluator().root(), out);
        return true;
    }
    putText(out, "E: ");
    writeEscaped(out, messages.message());
    out.LineEnd(0, 0);
    return false;
}

} // namespace guard
