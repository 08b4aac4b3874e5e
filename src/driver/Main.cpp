#include "driver/Main.h"

#include <cstdio>

#include "crypto/CryptoInitialization.h"
#include "driver/CommandLine.h"
#include "driver/ComplianceMode.h"
#include "driver/EvalContext.h"
#include "driver/ExceptionGuard.h"
#include "driver/QuestionAndAnswerMode.h"
#include "platform/ExecutableLocation.h"
#include "platform/FileLocation.h"
#include "platform/ModuleTable.h"
#include "platform/ProcessLocations.h"

namespace guard {

namespace {

constexpr int kUsageExit = -1;
constexpr int kCryptoFailureExit = -1;
constexpr int kEvaluateFailureExit = -3;
constexpr int kNotAllTrueExit = -4;

void printUsage(const char* program)
{
    std::fprintf(stderr, "usage: %s <sourceFile> <destFile> [EvalXML | [QnA] [Types] [Times]] \n", program);
    std::fprintf(stderr, "       EvalXML = input/output Corvale compliance XML, exit code = 0 if all True\n");
    std::fprintf(stderr, "       QnA = input and output in Q: and A: format\n");
    std::fprintf(stderr, "       Types = output expression types\n");
    std::fprintf(stderr, "       Times = output evaluation time in microseconds\n");
}

} // namespace

// Records the program's module and the locations beside the executable, and
// prepares the cryptographic module. Returns false when that cannot be used.
bool prepareProcess()
{
    Platform::processModules().add("HostApplication", Platform::hostApplicationModule());
    FileLocation directory = Platform::executableDirectory();
    Platform::setLibLocation(directory.Join("ArdoLib"));
    Platform::setStorageLocation(directory);
    FileLocation masthead = directory.Join("ActionSite.aqzm");
    return InitializeCrypto(masthead);
}

namespace {

int runMode(const CommandLineOptions& options, const FileLocation& source, const FileLocation& destination)
{
    if (options.compliance) {
        // No application-usage data is kept in this program, so there is no
        // summary to refresh before the context is made.
        EvalContext context;
        context.fillFunctionTables(true);
        if (runComplianceMode(source, destination, context)) {
            std::fprintf(stderr, "All results were 'True'\n");
            return 0;
        }
        std::fprintf(stderr, "All results were not 'True'\n");
        return kNotAllTrueExit;
    }
    QuestionOptions questions;
    questions.showErrors = true;
    questions.answers = true;
    questions.times = options.times;
    questions.types = options.types;
    if (!runQuestionAndAnswerMode(source, destination, questions)) {
        std::fprintf(stderr, "evaluate failure\n");
        return kEvaluateFailureExit;
    }
    return 0;
}

} // namespace

int guardMain(int argc, char** argv)
{
    if (argc < kMinArguments || argc > kMaxArguments) {
        printUsage(argv[0]);
        return kUsageExit;
    }
    CommandLineOptions options = parseOptionWords(argc - kMinArguments, argv + kMinArguments);

    constexpr int kPrepared = 0;
    int prepared = runGuarded(kStartUpExceptionExit, [] { return prepareProcess() ? kPrepared : kCryptoFailureExit; });
    if (prepared != kPrepared)
        return prepared;

    return runGuarded(kModeExceptionExit,
                      [&] { return runMode(options, FileLocation(argv[1]), FileLocation(argv[2])); });
}

} // namespace guard
