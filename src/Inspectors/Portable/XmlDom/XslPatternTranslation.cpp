#include "Inspectors/Portable/XmlDom/XslPatternTranslation.h"

#include <array>
#include <vector>

#include "Inspectors/Portable/XmlDom/XPathSelection.h"
#include "syntax/RuleTrieParser.h"

namespace guard::XmlDom {

namespace {

[[noreturn]] void refuse(std::string_view piece)
{
    throw XmlDomSelectionError("The XSL pattern cannot be written as XPath: " + std::string(piece));
}

// The grammar's symbols: terminals, then non-terminals, then the end.
enum Symbol : GrammarSymbol {
    kName,    // a name, p:name, * or p:*
    kAt,      // @
    kSlash,   // /
    kSlashes, // //
    kRoot,    // a / that stands alone for the document
    kDot,     // .
    kDots,    // ..
    kOpenBracket,
    kCloseBracket,
    kOpenParenthesis,
    kCloseParenthesis,
    kNumber,
    kLiteral,
    kComparison, // = != < <= > >= and their $eq$ ... $ge$ forms
    kAnd,        // and, $and$
    kOr,         // or, $or$
    kNot,        // $not$
    kUnion,      // |, $union$
    kMethod,     // text(), end(), value() ...: one token, written as XPath
    // Non-terminals, from the tightest level out.
    kStep,
    kFinishedStep,
    kPath,
    kPrimary,
    kComparand,
    kComparison_,
    kNegation,
    kConjunct,
    kConjunction,
    kDisjunct,
    kDisjunction,
    kUnionOperand,
    kUnion_,
    kExpression,
    kEnd,
};

// Builds the XPath text as the parser reduces: every token appends its
// XPath form to the text, so the text of a phrase is the stretch from where
// its first token began; joining phrases that stand next to each other costs
// nothing. The stack holds where each phrase begins.
class XPathWriter {
public:
    struct Phrase {
        std::size_t start;
        bool number; // a number alone (an index, when it is a whole filter)
    };

    void Reset()
    {
        text.clear();
        phrases.clear();
    }
    void token(std::string_view xpath, bool number = false)
    {
        phrases.push_back(Phrase{text.size(), number});
        text += xpath;
    }

    // Reductions.
    void Join2() { join(2); }
    void Join3() { join(3); }
    // step [ expression ]: a number alone counts from 0 in a pattern, from 1
    // in XPath.
    void Filter()
    {
        bool index = phrases[phrases.size() - 2].number;
        join(4);
        if (index)
            text.insert(text.size() - 1, "+1");
    }
    // $not$ negation: the token wrote "not(".
    void Not()
    {
        join(2);
        text += ')';
    }

    std::string text;
    std::vector<Phrase> phrases;

private:
    void join(std::size_t count)
    {
        std::size_t start = phrases[phrases.size() - count].start;
        phrases.resize(phrases.size() - count + 1);
        phrases.back() = Phrase{start, false};
    }
};

const RuleTable<XPathWriter>& patternGrammar()
{
    using W = XPathWriter;
    // For each symbol, the rules that continue it come before the unit rule
    // that finishes it, so that the engine continues while the next token
    // allows and reduces otherwise; binding from tightest to loosest: steps
    // and their filters, paths, comparisons, $not$, and, or, union.
    static const RuleTable<XPathWriter> table(
        kEnd,
        {
            {kStep, {kName}, nullptr},
            {kStep, {kAt, kName}, &W::Join2},
            {kStep, {kDot}, nullptr},
            {kStep, {kDots}, nullptr},
            {kStep, {kMethod}, nullptr},
            {kStep, {kStep, kOpenBracket, kExpression, kCloseBracket}, &W::Filter},
            {kFinishedStep, {kStep}, nullptr},
            {kPath, {kPath, kSlash, kFinishedStep}, &W::Join3},
            {kPath, {kPath, kSlashes, kFinishedStep}, &W::Join3},
            {kPath, {kFinishedStep}, nullptr},
            {kPath, {kSlash, kFinishedStep}, &W::Join2},
            {kPath, {kSlashes, kFinishedStep}, &W::Join2},
            {kPath, {kRoot}, nullptr},
            {kPrimary, {kPath}, nullptr},
            {kPrimary, {kLiteral}, nullptr},
            {kPrimary, {kNumber}, nullptr},
            {kPrimary, {kOpenParenthesis, kExpression, kCloseParenthesis}, &W::Join3},
            {kComparand, {kPrimary}, nullptr},
            {kComparison_, {kComparison_, kComparison, kComparand}, &W::Join3},
            {kComparison_, {kComparand}, nullptr},
            {kNegation, {kNot, kNegation}, &W::Not},
            {kNegation, {kComparison_}, nullptr},
            {kConjunct, {kNegation}, nullptr},
            {kConjunction, {kConjunction, kAnd, kConjunct}, &W::Join3},
            {kConjunction, {kConjunct}, nullptr},
            {kDisjunct, {kConjunction}, nullptr},
            {kDisjunction, {kDisjunction, kOr, kDisjunct}, &W::Join3},
            {kDisjunction, {kDisjunct}, nullptr},
            {kUnionOperand, {kDisjunction}, nullptr},
            {kUnion_, {kUnion_, kUnion, kUnionOperand}, &W::Join3},
            {kUnion_, {kUnionOperand}, nullptr},
            {kExpression, {kUnion_}, nullptr},
            {kEnd, {kExpression}, nullptr},
        });
    return table;
}

struct Renaming {
    std::string_view from;
    std::string_view to;
};

constexpr std::array kComparisons{
    Renaming{"$eq$", "="},  Renaming{"$ne$", "!="}, Renaming{"$lt$", "<"},
    Renaming{"$le$", "<="}, Renaming{"$gt$", ">"},  Renaming{"$ge$", ">="},
};

constexpr std::array kMethods{
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

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isNameStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}
bool isNameChar(char c) { return isNameStart(c) || isDigit(c) || c == '-' || c == '.' || c == ':'; }
bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Feeds the pattern's tokens to the parser, each with its XPath form.
class PatternReader {
public:
    PatternReader(std::string_view pattern, RuleTrieParser<XPathWriter, 32>& parser, XPathWriter& writer)
        : pattern_(pattern), parser_(parser), writer_(writer)
    {
    }

    void run()
    {
        while (skipSpace(), at_ < pattern_.size())
            readToken();
        parser_.finish();
    }

private:
    void skipSpace()
    {
        while (at_ < pattern_.size() && isSpace(pattern_[at_]))
            ++at_;
    }
    char peekAfterSpace(std::size_t from) const
    {
        while (from < pattern_.size() && isSpace(pattern_[from]))
            ++from;
        return from < pattern_.size() ? pattern_[from] : '\0';
    }
    void emit(Symbol symbol, std::string_view xpath, std::size_t length, bool number = false)
    {
        parser_.shift(symbol);
        writer_.token(xpath, number);
        parser_.push();
        at_ += length;
        // Whether the token just read ends an operand: a following "and",
        // "or" or "*" is then an operator or a name accordingly.
        afterOperand_ = symbol == kName || symbol == kCloseBracket || symbol == kCloseParenthesis ||
            symbol == kNumber || symbol == kLiteral || symbol == kMethod || symbol == kDot || symbol == kDots ||
            symbol == kRoot;
    }
    void readToken()
    {
        std::string_view rest = pattern_.substr(at_);
        char c = rest[0];
        if (c == '\'' || c == '"') {
            std::size_t close = rest.find(c, 1);
            if (close == std::string_view::npos)
                refuse(rest);
            emit(kLiteral, rest.substr(0, close + 1), close + 1);
        } else if (isDigit(c)) {
            std::size_t end = 0;
            while (end < rest.size() && (isDigit(rest[end]) || rest[end] == '.'))
                ++end;
            std::string_view number = rest.substr(0, end);
            emit(kNumber, number, end, number.find('.') == std::string_view::npos);
        } else if (c == '$') {
            std::size_t close = rest.find('$', 1);
            if (close == std::string_view::npos)
                refuse(rest);
            std::string_view word = rest.substr(0, close + 1);
            if (const Renaming* comparison = find(kComparisons, word))
                emit(kComparison, comparison->to, word.size());
            else if (word == "$and$")
                emit(kAnd, " and ", word.size());
            else if (word == "$or$")
                emit(kOr, " or ", word.size());
            else if (word == "$not$")
                emit(kNot, "not(", word.size());
            else if (word == "$union$")
                emit(kUnion, "|", word.size());
            else
                refuse(word);
        } else if (isNameStart(c) || c == '*') {
            readName(rest);
        } else if (rest.starts_with("//")) {
            emit(kSlashes, "//", 2);
        } else if (c == '/') {
            char next = peekAfterSpace(at_ + 1);
            bool alone = !afterOperand_ &&
                (next == '\0' || next == '|' || next == ']' || next == ')' || next == '$' || next == '=' ||
                 next == '!' || next == '<' || next == '>');
            emit(alone ? kRoot : kSlash, "/", 1);
        } else if (rest.starts_with("..")) {
            emit(kDots, "..", 2);
        } else if (c == '.') {
            emit(kDot, ".", 1);
        } else if (rest.starts_with("!=") || rest.starts_with("<=") || rest.starts_with(">=")) {
            emit(kComparison, rest.substr(0, 2), 2);
        } else if (c == '=' || c == '<' || c == '>') {
            emit(kComparison, rest.substr(0, 1), 1);
        } else if (c == '@') {
            emit(kAt, "@", 1);
        } else if (c == '[') {
            emit(kOpenBracket, "[", 1);
        } else if (c == ']') {
            emit(kCloseBracket, "]", 1);
        } else if (c == '(') {
            emit(kOpenParenthesis, "(", 1);
        } else if (c == ')') {
            emit(kCloseParenthesis, ")", 1);
        } else if (c == '|') {
            emit(kUnion, "|", 1);
        } else {
            refuse(rest.substr(0, 1));
        }
    }
    // A name, "*", an operator word, or a method: a name followed by "()".
    void readName(std::string_view rest)
    {
        std::size_t end = 1;
        while (end < rest.size() && (isNameChar(rest[end]) || (rest[end] == '*' && rest[end - 1] == ':')))
            ++end;
        std::string_view name = rest.substr(0, end);
        if (name.find("::") != std::string_view::npos)
            refuse(name);
        if (afterOperand_ && (name == "and" || name == "or")) {
            emit(name == "and" ? kAnd : kOr, name == "and" ? " and " : " or ", end);
            return;
        }
        std::size_t after = end;
        while (after < rest.size() && isSpace(rest[after]))
            ++after;
        if (after < rest.size() && rest[after] == '(') {
            std::size_t close = after + 1;
            while (close < rest.size() && isSpace(rest[close]))
                ++close;
            if (close >= rest.size() || rest[close] != ')') {
                std::size_t stop = rest.find(')', after);
                refuse(rest.substr(0, stop == std::string_view::npos ? stop : stop + 1));
            }
            const Renaming* method = find(kMethods, name);
            if (!method)
                refuse(std::string(name) + "()");
            emit(kMethod, method->to, close + 1);
            return;
        }
        emit(kName, name, end);
    }

    std::string_view pattern_;
    RuleTrieParser<XPathWriter, 32>& parser_;
    XPathWriter& writer_;
    std::size_t at_ = 0;
    bool afterOperand_ = false;
};

} // namespace

void translatePattern(std::string_view pattern, std::string& xpath)
{
    // One writer and parser, reused: their buffers keep their capacity.
    thread_local XPathWriter writer;
    thread_local RuleTrieParser<XPathWriter, 32> parser(patternGrammar(), writer);
    parser.reset();
    try {
        PatternReader(pattern, parser, writer).run();
    } catch (const ParsingFailure&) {
        refuse(pattern);
    }
    xpath.assign(writer.text);
}

} // namespace guard::XmlDom
