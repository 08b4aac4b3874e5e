#include "shell/Completion.h"

#include <algorithm>

#include "guard/lexer/GuardLexicon.h"
#include "registry/InspectorRegistry.h"
#include "registry/Registration.h"

namespace guard {

namespace {

void sortUnique(std::vector<std::string>& words)
{
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    words.erase(std::remove(words.begin(), words.end(), std::string()), words.end());
}

bool isSpace(char c) { return c == ' ' || c == '\t'; }

// The word before position `at` (skipping the blanks before it).
std::string_view wordBefore(std::string_view line, std::size_t at)
{
    std::size_t end = at;
    while (end > 0 && isSpace(line[end - 1]))
        --end;
    std::size_t begin = end;
    while (begin > 0 && !isSpace(line[begin - 1]) && line[begin - 1] != '(')
        --begin;
    return line.substr(begin, end - begin);
}

} // namespace

const Vocabulary& Vocabulary::get()
{
    static const Vocabulary vocabulary = [] {
        InspectorRegistry::get(); // resolves the records' names
        Vocabulary v;
        for (const PropertyRecord* p = firstRegisteredProperty(); p; p = p->nextRegistered()) {
            if (p->singularName)
                v.phrases.emplace_back(p->singularName);
            if (p->pluralName)
                v.phrases.emplace_back(p->pluralName);
        }
        for (const CastRecord* c = firstRegisteredCast(); c; c = c->nextRegistered())
            v.casts.emplace_back(c->castName);
        for (const TypeRecord* t = firstRegisteredType(); t; t = t->nextRegistered)
            if (t->name && *t->name)
                v.types.push_back(std::string("\"") + t->name + "\"");
        for (const GuardSpelling& k : guardKeywords().entries) {
            std::string_view spelling = k.spelling;
            while (!spelling.empty() && spelling.back() == ' ')
                spelling.remove_suffix(1);
            v.keywords.emplace_back(spelling);
        }
        // Phrases the parser reads itself rather than through the registry.
        for (const char* phrase : {"number of", "item", "items"})
            v.keywords.emplace_back(phrase);
        sortUnique(v.phrases);
        sortUnique(v.casts);
        sortUnique(v.types);
        sortUnique(v.keywords);
        return v;
    }();
    return vocabulary;
}

std::vector<std::string> completionsAt(std::string_view line, std::size_t start, std::size_t end)
{
    const Vocabulary& vocabulary = Vocabulary::get();
    end = std::min(end, line.size());
    start = std::min(start, end);
    std::string_view word = line.substr(start, end - start);
    std::vector<std::string> results;
    // Tails from the longest (the whole word) to the shortest (the last
    // word being typed, possibly empty).
    auto tailStart = [&](std::size_t i) {
        return i == 0 || (isSpace(word[i - 1]) && (i == word.size() || !isSpace(word[i])));
    };
    for (std::size_t tail = 0; tail <= word.size(); ++tail) {
        if (!tailStart(tail))
            continue;
        std::string_view typed = word.substr(tail);
        if (!typed.empty() && isSpace(typed.front()))
            continue;
        std::string_view before = wordBefore(line, start + tail);
        std::vector<const std::vector<std::string>*> sets;
        if (before == "as")
            sets = {&vocabulary.casts};
        else if (before == "type")
            sets = {&vocabulary.types};
        else
            sets = {&vocabulary.phrases, &vocabulary.keywords};
        for (const std::vector<std::string>* set : sets)
            for (auto it = std::lower_bound(set->begin(), set->end(), typed);
                 it != set->end() && std::string_view(*it).starts_with(typed); ++it)
                results.push_back(std::string(word.substr(0, tail)) + *it);
        if (!results.empty())
            break;
    }
    std::sort(results.begin(), results.end());
    results.erase(std::unique(results.begin(), results.end()), results.end());
    return results;
}

} // namespace guard
