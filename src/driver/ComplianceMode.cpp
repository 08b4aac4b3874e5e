#include "driver/ComplianceMode.h"

#include "driver/CommandLine.h"
#include "driver/ExpressionMessageMaker.h"
#include "driver/GuardReceiver.h"
#include "driver/Stopwatch.h"

namespace guard {

bool evaluateComplianceItem(InspectorContext& context, const ComplianceItem& item, ComplianceResponse& response)
{
    StringGuardReceiver receiver(context);
    ExpressionMessageMaker messages;
    Stopwatch stopwatch;
    bool failed = false;
    try {
        receiver.reset();
        stopwatch.reset();
        stopwatch.start();
        receiver.Start();
        receiver.Receive(item.expression.data(), item.expression.data() + item.expression.size());
        receiver.Finish();
        receiver.understand();
    } catch (...) {
        failed = true;
        messages.describeUnderstandingFailure();
    }
    stopwatch.stop();
    const std::uint64_t microseconds = stopwatch.microseconds();
    const std::string_view type = receiver.typeName();
    if (!failed) {
        try {
            receiver.convert();
        } catch (...) {
            failed = true;
            messages.describeConversionFailure();
        }
    }

    bool allTrue = true;
    for (bool first = true; !failed; first = false) {
        const String* result = nullptr;
        try {
            result = first ? receiver.firstResult() : receiver.nextResult();
        } catch (...) {
            failed = true;
            messages.describeEvaluationFailure();
            break;
        }
        if (!result)
            break;
        response.add(item.designator, result->view(), {}, type, microseconds, item.description, item.comment);
        if (!equalsIgnoringAsciiCase(result->view(), "True"))
            allTrue = false;
    }
    if (failed) {
        response.add(item.designator, "Error: ", messages.message(), "<error>", microseconds, item.description,
                     item.comment);
        allTrue = false;
    }
    return allTrue;
}

bool runComplianceMode(const FileLocation& source, const FileLocation& destination, EvalContext& context)
{
    ComplianceDocument document(source);
    ComplianceResponse response;
    bool allTrue = true;
    for (const ComplianceItem& item : document.items()) {
        if (!evaluateComplianceItem(context, item, response))
            allTrue = false;
    }
    response.write(destination);
    return allTrue;
}

} // namespace guard
