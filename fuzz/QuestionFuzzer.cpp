// Fuzz target: the text of one question through the lexer, the parser, the
// binder and the evaluator.
//
// Input: one selector byte, which chooses how the rest is cut into chunks
// (see feedInChunks), then the question's text. The text is parsed and
// bound, its values are required to be strings, and at most kMaxValues
// values are pulled; an evaluation is interrupted after kMaxPoints
// interruption points. Every failure must be one of the program's own
// exceptions with a sentence of its own: a message that falls back to an
// "unknown reason", or anything escaping the message maker, is a finding.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzInput.h"
#include "Inspectors/Portable/XmlDom/DocumentLoading.h"
#include "driver/ExpressionMessageMaker.h"
#include "guard/GuardEvaluator.h"
#include "registry/CoreValues.h"

namespace guard {

namespace {

constexpr int kMaxValues = 64;
constexpr std::uint64_t kMaxPoints = 20000;

enum class Stage { Understanding, Conversion, Evaluation };

void describe(ExpressionMessageMaker& messages, Stage stage)
{
    switch (stage) {
    case Stage::Understanding: messages.describeUnderstandingFailure(); break;
    case Stage::Conversion: messages.describeConversionFailure(); break;
    case Stage::Evaluation: messages.describeEvaluationFailure(); break;
    }
    fuzz::checkSentence(messages.message());
}

// Reads every byte of a value, so that the sanitizer sees a dangling one.
std::uint32_t touch(const String& value)
{
    std::uint32_t sum = 0;
    for (char byte : value.view())
        sum += static_cast<unsigned char>(byte);
    return sum;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzz::BoundedEvalContext context(kMaxPoints);
    static GuardEvaluator evaluator(&context);
    static ExpressionMessageMaker messages;
    if (size == 0)
        return 0;
    std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    context.restartTimer();
    Stage stage = Stage::Understanding;
    try {
        evaluator.reset();
        fuzz::feedInChunks(text, data[0],
                           [](const char* begin, const char* end) { evaluator.lexer().Receive(begin, end); });
        evaluator.endInput();
        stage = Stage::Conversion;
        evaluator.requireResultType("string", "string");
        stage = Stage::Evaluation;
        volatile std::uint32_t sum = 0;
        int count = 0;
        for (auto* value = static_cast<const String*>(evaluator.firstValue()); value && count < kMaxValues;
             value = static_cast<const String*>(evaluator.nextValue()), ++count)
            sum = sum + touch(*value);
    } catch (const XMLDomDocumentError& e) {
        // The one failure that answers with the unknown-reason sentence on
        // purpose; its own text names it.
        fuzz::check(std::string_view(e.what()).starts_with("XMLDomDocumentError: "), "a bare load failure");
    } catch (...) {
        describe(messages, stage);
    }
    return 0;
}

} // namespace guard
