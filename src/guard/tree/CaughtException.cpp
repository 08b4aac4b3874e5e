#include "guard/tree/CaughtException.h"

#include <mutex>
#include <vector>

#include "guard/tree/BindingErrors.h"
#include "registry/RegistryErrors.h"

namespace guard {

namespace {

std::mutex& captureLock()
{
    static std::mutex lock;
    return lock;
}

std::vector<CaptureFunction>& captureFunctions()
{
    static std::vector<CaptureFunction> functions;
    return functions;
}

// The instantiations the program carries, most general first, so that the
// more specific ones are tried before it.
struct StandardCaptures {
    StandardCaptures()
    {
        registerCaptureFunction(&CaughtExceptionOfType<std::exception>::capture);
        registerCaptureFunction(&CaughtExceptionOfType<ExceptionCannotBeCopied>::capture);
        registerCaptureFunction(&CaughtExceptionOfType<OperationNotDefined>::capture);
        registerCaptureFunction(&CaughtExceptionOfType<ConversionHasWrongType>::capture);
        registerCaptureFunction(&CaughtExceptionOfType<SingularExpressionRequired>::capture);
        registerCaptureFunction(&CaughtExceptionOfType<BooleanExpressionRequired>::capture);
        registerCaptureFunction(&CaughtExceptionOfType<ItUsedWithoutWhose>::capture);
        registerCaptureFunction(&CaughtExceptionOfType<IncompatibleTypes>::capture);
    }
} standardCaptures;

} // namespace

void registerCaptureFunction(CaptureFunction capture)
{
    std::lock_guard<std::mutex> guard(captureLock());
    captureFunctions().push_back(capture);
}

std::unique_ptr<CaughtException> captureException()
{
    std::vector<CaptureFunction> functions;
    {
        std::lock_guard<std::mutex> guard(captureLock());
        functions = captureFunctions();
    }
    for (auto capture = functions.rbegin(); capture != functions.rend(); ++capture)
        if (auto holder = (*capture)())
            return holder;
    return std::make_unique<CaughtExceptionOfType<ExceptionCannotBeCopied>>(ExceptionCannotBeCopied());
}

} // namespace guard
