#include "shell/ShellMain.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

#include "driver/Main.h"
#include "shell/InteractiveShell.h"
#include "shell/Session.h"
#include "shell/ShellOptions.h"

namespace guard {

namespace {

constexpr const char* kUsage = "usage: guard-shell [OPTION...] [FILE...]\n"
                               "Asks relevance questions: from -e, from question files, from standard input,\n"
                               "or interactively when standard input is a terminal.\n"
                               "\n"
                               "  -e, --eval QUESTION   ask QUESTION (repeatable; FILEs are read after)\n"
                               "  --json                one JSON object per question on standard output\n"
                               "  --check               parse and bind only: report each question's error or type\n"
                               "  --explain             print each question's bound tree instead of answering it\n"
                               "  --types, --times      add the I: (type) and T: (microseconds) lines\n"
                               "  --timeout DURATION    stop a question after DURATION (2s, 500ms, 1.5m)\n"
                               "  --max-answers N       stop a question after N answers\n"
                               "  --no-color            no colour, even on a terminal (so does NO_COLOR)\n"
                               "  -h, --help            this text;  --version  the version\n"
                               "\n"
                               "Exit status: 0 every question answered, 1 some question had an E: line,\n"
                               "2 usage or file error.\n";

bool colourWanted(const ShellOptions& options)
{
    const char* noColor = std::getenv("NO_COLOR");
    return !options.noColor && !options.json && !(noColor && *noColor) && ::isatty(1);
}

// Reads one FILE ("-" is standard input); false after saying why it could not.
bool readFile(Session& session, const std::string& file, bool explain)
{
    int descriptor = file == "-" ? 0 : ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    bool read = descriptor >= 0 && (explain ? session.explainLines(descriptor) : session.askLines(descriptor));
    int error = errno;
    if (descriptor > 0)
        ::close(descriptor);
    if (!read)
        std::fprintf(stderr, "guard-shell: %s: %s\n", file.c_str(), std::strerror(error));
    return read;
}

int run(const ShellOptions& options)
{
    bool interactive = options.questions.empty() && options.files.empty() && ::isatty(0);
    SessionStyle style;
    style.json = options.json;
    style.check = options.check;
    style.types = options.types;
    style.times = options.times;
    style.interactive = interactive;
    style.colour = colourWanted(options);
    style.timeoutMicroseconds = options.timeoutMicroseconds;
    style.maxAnswers = options.maxAnswers;
    Session session(style);

    if (interactive)
        return runInteractiveShell(session, options.explain);

    bool fileError = false;
    for (const std::string& question : options.questions) {
        if (options.explain)
            session.explain(question);
        else
            session.ask(question);
    }
    std::vector<std::string> files = options.files;
    if (options.questions.empty() && files.empty())
        files.push_back("-");
    for (const std::string& file : files)
        if (!readFile(session, file, options.explain))
            fileError = true;
    session.out().flush();
    if (fileError)
        return kShellUsageOrFileError;
    return session.failures() ? kShellSomeFailed : kShellAllAnswered;
}

} // namespace

int shellMain(int argc, char** argv)
{
    ShellOptions options = parseShellOptions(argc, argv);
    if (!options.error.empty()) {
        std::fprintf(stderr, "guard-shell: %s\nTry 'guard-shell --help'.\n", options.error.c_str());
        return kShellUsageOrFileError;
    }
    if (options.help) {
        std::fputs(kUsage, stdout);
        return kShellAllAnswered;
    }
    if (options.version) {
        std::fputs("guard-shell " GUARD_VERSION "\n", stdout);
        return kShellAllAnswered;
    }
    try {
        if (!prepareProcess()) {
            std::fprintf(stderr, "guard-shell: the cryptographic module could not be prepared\n");
            return kShellUsageOrFileError;
        }
        return run(options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "guard-shell: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "guard-shell: unhandled exception\n");
    }
    return kShellUsageOrFileError;
}

} // namespace guard
