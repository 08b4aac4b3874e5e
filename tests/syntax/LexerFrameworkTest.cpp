#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/ChunkedInput.h"
#include "syntax/CaseFilters.h"
#include "syntax/CharacterLexeme.h"
#include "syntax/IgnoredTextLexeme.h"
#include "syntax/Lexer.h"
#include "syntax/ReservedWordLexeme.h"
#include "syntax/StagedLexeme.h"
#include "syntax/TextLexeme.h"
#include "syntax/WordLexeme.h"

namespace guard {

namespace {

constexpr CharacterSet kSpace = CharacterSet::of(" \t");
constexpr CharacterSet kLetters = CharacterSet().withRange('a', 'z').withRange('A', 'Z');
constexpr CharacterSet kUnderscoreWord = kLetters.with("_");
constexpr CharacterSet kDigits = CharacterSet().withRange('0', '9');
constexpr CharacterSet kSeparators = CharacterSet::of("@.");

const std::array<ReservedWord<char>, 3> kReserved{{{"and", '&', 1}, {"andy", 'y', 2}, {"or", '|', 3}}};

// Records every token as text: "word(ab)0-2", "reserved(&,1)4-7", ...
class Recorder : public EndLexemeAcceptor,
                 public CharacterLexemeAcceptor,
                 public WordLexemeAcceptor,
                 public TextLexemeAcceptor,
                 public ReservedWordAcceptor<char> {
public:
    std::string log;

    void ResetInput() override { log += "reset "; }
    void EndInput(TextOffset position) override { log += "end@" + std::to_string(position); }
    void AcceptCharacter(TextOffset start, TextOffset end, unsigned char byte) override
    {
        add("char(" + std::string(1, char(byte)) + ")", start, end);
    }
    void AcceptWord(TextOffset start, TextOffset end, const char* text, const char* textEnd) override
    {
        add("word(" + std::string(text, textEnd) + ")", start, end);
    }
    void RejectLongWord(TextOffset start, TextOffset end) override { add("long", start, end); }
    void AcceptText(TextOffset start, TextOffset position, const char* run, const char* runEnd) override
    {
        // Pieces must join up without gaps.
        if (position != start + text_.size())
            log += "GAP ";
        text_.append(run, runEnd);
    }
    void EndText(TextOffset start, TextOffset end) override
    {
        add("text(" + text_ + ")", start, end);
        text_.clear();
    }
    void AcceptReservedWord(TextOffset start, TextOffset end, const char& action, std::uint32_t extra) override
    {
        add("reserved(" + std::string(1, action) + "," + std::to_string(extra) + ")", start, end);
    }
    void AcceptUnknownWord(TextOffset start, TextOffset end, const char* text, const char* textEnd) override
    {
        add("unknown(" + std::string(text, textEnd) + ")", start, end);
    }

private:
    void add(const std::string& token, TextOffset start, TextOffset end)
    {
        log += token + std::to_string(start) + "-" + std::to_string(end) + " ";
    }
    std::string text_;
};

// "@name.name.name": a staged token of separators and plain words.
class DottedName final : public StagedLexeme {
public:
    explicit DottedName(Recorder& recorder)
        : word_(kLetters, buffer_, sizeof buffer_, recorder), recorder_(recorder) { }
    void End(TextOffset start, TextOffset position) override
    {
        StagedLexeme::End(start, position);
        recorder_.log += "dotted-end ";
    }

protected:
    Lexeme* NextStage(TextOffset, TextOffset, unsigned char byte) override
    {
        if (kSeparators.contains(byte))
            return &separators_;
        if (kLetters.contains(byte))
            return &word_;
        recorder_.log += "dotted-end ";
        return nullptr;
    }

private:
    char buffer_[8];
    IgnoredTextLexeme separators_{kSeparators};
    WordLexeme word_;
    Recorder& recorder_;
};

// Letters: reserved words (lower-cased, 8-byte buffer); "_" starts a plain
// unfiltered word (8-byte buffer); digits: text; "@": a dotted name; blanks
// are skipped; anything else is a character.
class SampleLexer final : public Lexer {
public:
    explicit SampleLexer(Recorder& recorder)
        : Lexer(recorder),
          reserved_(kLetters, reservedBuffer_, sizeof reservedBuffer_, kReserved, recorder, copyAsciiLowerCase),
          plain_(kUnderscoreWord, plainBuffer_, sizeof plainBuffer_, recorder), digits_(kDigits, recorder),
          dotted_(recorder), character_(recorder)
    {
    }

protected:
    Lexeme& NewLexeme(unsigned char byte) override
    {
        if (kSpace.contains(byte))
            return space_;
        if (kLetters.contains(byte))
            return reserved_;
        if (byte == '_')
            return plain_;
        if (kDigits.contains(byte))
            return digits_;
        if (byte == '@')
            return dotted_;
        return character_;
    }

private:
    char reservedBuffer_[8];
    char plainBuffer_[8];
    IgnoredTextLexeme space_{kSpace};
    ReservedWordLexeme<char> reserved_;
    WordLexeme plain_;
    TextLexeme digits_;
    DottedName dotted_;
    CharacterLexeme character_;
};

struct LexCase {
    std::string_view text;
    std::string_view tokens;
};

TEST(LexerFramework, TokensAreTheSameHoweverTheTextIsCut)
{
    const LexCase cases[] = {
        {"", "reset end@0"},
        {"   ", "reset end@3"},
        {"And OR andy", "reset reserved(&,1)0-3 reserved(|,3)4-6 reserved(y,2)7-11 end@11"},
        {"an ANDYS", "reset unknown(an)0-2 unknown(andys)3-8 end@8"},
        {"x12y", "reset unknown(x)0-1 text(12)1-3 unknown(y)3-4 end@4"},
        {"#!", "reset char(#)0-1 char(!)1-2 end@2"},
        // 7 bytes fit an 8-byte buffer, 8 do not; the unfiltered lexeme
        // applies the same limit when a word arrives whole.
        {"abcdefg abcdefgh ABCDEFGHIJ", "reset unknown(abcdefg)0-7 long8-16 long17-27 end@27"},
        {"_abcdef _abcdefg _", "reset word(_abcdef)0-7 long8-16 word(_)17-18 end@18"},
        {"@ab.cd..e#", "reset word(ab)1-3 word(cd)4-6 word(e)8-9 dotted-end char(#)9-10 end@10"},
        {"@ab.c", "reset word(ab)1-3 word(c)4-5 dotted-end end@5"},
        {"@@", "reset dotted-end end@2"},
    };
    for (const LexCase& test : cases) {
        for (const Chunking& chunking : chunkingsOf(test.text)) {
            Recorder recorder;
            SampleLexer lexer(recorder);
            feedChunks(lexer, chunking.chunks);
            EXPECT_EQ(recorder.log, test.tokens) << "text «" << test.text << "» fed " << chunking.name;
        }
    }
}

TEST(LexerFramework, EmptyChunksAndRestartsChangeNothing)
{
    Recorder recorder;
    SampleLexer lexer(recorder);
    const char text[] = "or 12";
    lexer.Start();
    lexer.Receive(text, text + 2);
    lexer.Receive(text + 2, text + 2);
    lexer.Receive(text + 2, text + 5);
    lexer.Receive(text + 5, text + 5);
    lexer.Finish();
    lexer.Finish(); // no current lexeme: only the end is reported
    EXPECT_EQ(recorder.log, "reset reserved(|,3)0-2 text(12)3-5 end@5end@5");

    // A lexeme left current by an abandoned input does not leak into the next.
    recorder.log.clear();
    lexer.Start();
    lexer.Receive(text, text + 1);
    lexer.Start();
    lexer.Receive(text + 3, text + 5);
    lexer.Finish();
    EXPECT_EQ(recorder.log, "reset reset text(12)0-2 end@2");
}

TEST(CaseFilters, ChangeOnlyAsciiLetters)
{
    const std::string text = "AZaz09_'@[`{\xC4\xE4";
    std::string lower(text.size(), '?'), upper(text.size(), '?');
    EXPECT_EQ(copyAsciiLowerCase(text.data(), text.data() + text.size(), lower.data()), lower.data() + lower.size());
    EXPECT_EQ(copyAsciiUpperCase(text.data(), text.data() + text.size(), upper.data()), upper.data() + upper.size());
    EXPECT_EQ(lower, "azaz09_'@[`{\xC4\xE4");
    EXPECT_EQ(upper, "AZAZ09_'@[`{\xC4\xE4");
}

TEST(CharacterSet, MapsEveryByteToItsBit)
{
    constexpr CharacterSet set = CharacterSet::of(std::string_view("\x00\x1F\x20\x7F", 4)).withRange(0xFE, 0xFF);
    for (unsigned byte = 0; byte < 256; ++byte) {
        bool expected = byte == 0 || byte == 0x1F || byte == 0x20 || byte == 0x7F || byte >= 0xFE;
        EXPECT_EQ(set.contains(static_cast<unsigned char>(byte)), expected) << byte;
    }
}

} // namespace

} // namespace guard
