#include "Inspectors/Portable/XmlDom/XslPatternTranslation.h"

#include <array>
#include <vector>

#include "Inspectors/Portable/XmlDom/XPathSelection.h"

namespace guard::XmlDom {

namespace {

enum class Kind { Space, Literal, Number, Name, Function, Operator, Punctuation };

struct Token {
    Kind kind;
    std::string_view text; // for a function: its name, without the "()"
};

[[noreturn]] void refuse(std::string_view piece)
{
    throw XmlDomSelectionError("The XSL pattern cannot be written as XPath: " + std::string(piece));
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isNameStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}
bool isNameChar(char c) { return isNameStart(c) || isDigit(c) || c == '-' || c == '.' || c == ':'; }
bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Splits the pattern into tokens; a function call with an empty argument
// list is one token.
void tokenize(std::string_view pattern, std::vector<Token>& tokens)
{
    std::size_t at = 0;
    auto take = [&](Kind kind, std::size_t length) {
        tokens.push_back(Token{kind, pattern.substr(at, length)});
        at += length;
    };
    while (at < pattern.size()) {
        char c = pattern[at];
        std::string_view rest = pattern.substr(at);
        if (isSpace(c)) {
            std::size_t end = at;
            while (end < pattern.size() && isSpace(pattern[end]))
                ++end;
            take(Kind::Space, end - at);
        } else if (c == '\'' || c == '"') {
            std::size_t close = pattern.find(c, at + 1);
            if (close == std::string_view::npos)
                refuse(rest);
            take(Kind::Literal, close + 1 - at);
        } else if (isDigit(c)) {
            std::size_t end = at;
            while (end < pattern.size() && (isDigit(pattern[end]) || pattern[end] == '.'))
                ++end;
            take(Kind::Number, end - at);
        } else if (c == '$') {
            std::size_t close = pattern.find('$', at + 1);
            if (close == std::string_view::npos)
                refuse(rest);
            take(Kind::Operator, close + 1 - at);
        } else if (isNameStart(c)) {
            std::size_t end = at;
            while (end < pattern.size() && isNameChar(pattern[end]))
                ++end;
            std::string_view name = pattern.substr(at, end - at);
            if (name.find("::") != std::string_view::npos)
                refuse(name);
            std::size_t after = end;
            while (after < pattern.size() && isSpace(pattern[after]))
                ++after;
            if (after < pattern.size() && pattern[after] == '(') {
                std::size_t close = after + 1;
                while (close < pattern.size() && isSpace(pattern[close]))
                    ++close;
                if (close >= pattern.size() || pattern[close] != ')') {
                    std::size_t end = pattern.find(')', after);
                    refuse(pattern.substr(at, end == std::string_view::npos ? end : end + 1 - at));
                }
                tokens.push_back(Token{Kind::Function, name});
                at = close + 1;
            } else {
                take(Kind::Name, end - at);
            }
        } else if (rest.starts_with("//") || rest.starts_with("..") || rest.starts_with("!=") ||
                   rest.starts_with("<=") || rest.starts_with(">=")) {
            take(Kind::Punctuation, 2);
        } else if (std::string_view("/.[]()@*|=<>,").find(c) != std::string_view::npos) {
            take(Kind::Punctuation, 1);
        } else {
            refuse(rest.substr(0, 1));
        }
    }
}

struct Renaming {
    std::string_view from;
    std::string_view to;
};

constexpr std::array kOperators{
    Renaming{"$eq$", "="},      Renaming{"$ne$", "!="},   Renaming{"$lt$", "<"},
    Renaming{"$le$", "<="},     Renaming{"$gt$", ">"},    Renaming{"$ge$", ">="},
    Renaming{"$and$", " and "}, Renaming{"$or$", " or "}, Renaming{"$union$", "|"},
};

constexpr std::array kFunctions{
    Renaming{"text", "text()"},
    Renaming{"node", "node()"},
    Renaming{"comment", "comment()"},
    Renaming{"textnode", "text()"},
    Renaming{"pi", "processing-instruction()"},
    Renaming{"element", "*"},
    Renaming{"attribute", "@*"},
    Renaming{"nodeName", "name()"},
    Renaming{"value", "."},
    Renaming{"index", "(position()-1)"},
    Renaming{"end", "(position()=last())"},
};

template <std::size_t N>
const Renaming* find(const std::array<Renaming, N>& table, std::string_view from)
{
    for (const Renaming& renaming : table)
        if (renaming.from == from)
            return &renaming;
    return nullptr;
}

bool endsNegation(const Token& token)
{
    if (token.kind == Kind::Operator)
        return token.text == "$and$" || token.text == "$or$";
    if (token.kind == Kind::Name)
        return token.text == "and" || token.text == "or";
    return token.kind == Kind::Punctuation && (token.text == "]" || token.text == ")" || token.text == ",");
}

} // namespace

void translatePattern(std::string_view pattern, std::string& xpath)
{
    thread_local std::vector<Token> tokens;
    // The bracket depths at which an open not( waits for its operand to end.
    thread_local std::vector<int> negations;
    tokens.clear();
    negations.clear();
    xpath.clear();
    tokenize(pattern, tokens);
    int depth = 0;
    auto closeNegations = [&] {
        while (!negations.empty() && negations.back() == depth) {
            xpath += ')';
            negations.pop_back();
        }
    };
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        if (endsNegation(token))
            closeNegations();
        switch (token.kind) {
        case Kind::Space:
        case Kind::Literal:
        case Kind::Name: xpath += token.text; break;
        case Kind::Number:
            // A filter that is a whole number alone is an index from 0.
            if (i > 0 && i + 1 < tokens.size() && tokens[i - 1].text == "[" && tokens[i + 1].text == "]" &&
                token.text.find('.') == std::string_view::npos) {
                xpath += token.text;
                xpath += "+1";
            } else {
                xpath += token.text;
            }
            break;
        case Kind::Operator:
            if (token.text == "$not$") {
                xpath += "not(";
                negations.push_back(depth);
            } else if (const Renaming* renaming = find(kOperators, token.text)) {
                xpath += renaming->to;
            } else {
                refuse(token.text);
            }
            break;
        case Kind::Function:
            if (const Renaming* renaming = find(kFunctions, token.text))
                xpath += renaming->to;
            else
                refuse(std::string(token.text) + "()");
            break;
        case Kind::Punctuation:
            if (token.text == "[" || token.text == "(")
                ++depth;
            else if (token.text == "]" || token.text == ")")
                --depth;
            xpath += token.text;
            break;
        }
    }
    closeNegations();
    if (!negations.empty() || depth != 0)
        refuse(pattern);
}

} // namespace guard::XmlDom
