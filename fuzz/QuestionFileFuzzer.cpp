// Fuzz target: a whole question file through the question-and-answer mode.
//
// The input is written to a file, the mode answers it into another (with
// "Types" and "Times", under an evaluation context that interrupts a
// question after a fixed number of interruption points, as a question may
// ask for billions of values), and the answer file is checked: the mode must
// succeed; every line must end with CR LF (a copied last line without one
// stays without); every "Q: " line must be followed
// by its answer block, either an "E: " line alone or any "A: " lines, at
// most one "E: " line, a "T: " and an "I: " line, and then an empty line;
// "A: " and "E: " lines must hold only escaped (printable) bytes.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzInput.h"
#include "driver/QuestionAndAnswerMode.h"
#include "platform/FileLocation.h"

namespace guard {

namespace {

constexpr std::uint64_t kMaxPoints = 20000;

std::vector<std::string_view> splitLines(std::string_view answers)
{
    std::vector<std::string_view> lines;
    std::size_t at = 0;
    while (at < answers.size()) {
        std::size_t end = answers.find_first_of("\r\n", at);
        if (end == std::string_view::npos) {
            // A copied last line keeps its missing line end; a question's
            // line never lacks one, since its answer block follows.
            std::string_view last = answers.substr(at);
            for (std::string_view header : {"Q: ", "A: ", "E: ", "T: ", "I: "})
                fuzz::check(last.substr(0, 3) != header, "an answer line without a line end", last);
            break;
        }
        fuzz::check(answers.compare(end, 2, "\r\n") == 0, "a line end other than CR LF", answers.substr(at));
        lines.push_back(answers.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

bool startsWith(std::string_view line, std::string_view header) { return line.substr(0, header.size()) == header; }

void checkEscaped(std::string_view line)
{
    for (char byte : line) {
        auto b = static_cast<unsigned char>(byte);
        fuzz::check(b >= 0x20 && b < 0x7F, "an unescaped byte in an answer", line);
    }
}

// From a "Q: " line at `at`: its block, up to and including the empty line.
std::size_t checkBlock(const std::vector<std::string_view>& lines, std::size_t at)
{
    std::string_view question = lines[at++];
    auto next = [&]() -> std::string_view {
        fuzz::check(at < lines.size(), "an answer block without its end", question);
        return lines[at++];
    };
    std::string_view line = next();
    if (startsWith(line, "E: ")) {
        checkEscaped(line);
        line = next();
        if (line.empty())
            return at;
    } else {
        while (startsWith(line, "A: ")) {
            checkEscaped(line);
            line = next();
        }
        if (startsWith(line, "E: ")) {
            checkEscaped(line);
            line = next();
        }
    }
    fuzz::check(startsWith(line, "T: "), "no time line", question);
    fuzz::check(startsWith(next(), "I: "), "no type line", question);
    fuzz::check(next().empty(), "no empty line after the block", question);
    return at;
}

void checkAnswers(std::string_view answers)
{
    std::vector<std::string_view> lines = splitLines(answers);
    for (std::size_t at = 0; at < lines.size();) {
        if (startsWith(lines[at], "Q: "))
            at = checkBlock(lines, at);
        else
            ++at;
    }
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzz::BoundedEvalContext context(kMaxPoints);
    static const std::string sourcePath = fuzz::scratchFolder() + "/questions.txt";
    static const std::string destinationPath = fuzz::scratchFolder() + "/answers.txt";
    {
        std::ofstream source(sourcePath, std::ios::binary | std::ios::trunc);
        source.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    }
    QuestionOptions options;
    options.showErrors = true;
    options.answers = true;
    options.times = true;
    options.types = true;
    bool done = runQuestionAndAnswerMode(FileLocation(sourcePath), FileLocation(destinationPath), options, context);
    fuzz::check(done, "the mode failed");
    checkAnswers(readFile(destinationPath));
    return 0;
}

} // namespace guard
