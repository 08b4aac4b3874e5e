#include "shell/InteractiveShell.h"

#include <errno.h>
#include <sys/select.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <editline/readline.h>

#include "registry/InspectorRegistry.h"
#include "shell/Completion.h"
#include "shell/Continuation.h"
#include "shell/Session.h"
#include "shell/ShellMain.h"

namespace guard {

namespace {

constexpr const char* kPrompt = "guard> ";
constexpr const char* kContinuationPrompt = "  ...> ";
constexpr int kHistoryLength = 1000;

constexpr const char* kHelp = "Type a question and press Enter; Tab completes phrases, casts (after \"as\"),\n"
                              "type names (after \"type\") and keywords. An open parenthesis, string or\n"
                              "comment continues the question on the next line.\n"
                              "  .help                this text\n"
                              "  .types               list the registered types\n"
                              "  .types on|off        show each question's type (I: line)\n"
                              "  .times [on|off]      show each question's time in microseconds (T: line)\n"
                              "  .properties TYPE     the properties of TYPE\n"
                              "  .casts TYPE          the casts from TYPE\n"
                              "  .operators TYPE      the operators with an operand of TYPE\n"
                              "  .explain QUESTION    the bound tree of QUESTION, with its catalogue rows\n"
                              "  .quit, .exit, Ctrl-D leave\n"
                              "Ctrl-C stops a running question, or discards the line being typed.\n";

volatile std::sig_atomic_t evaluating = 0;

// During a question the terminal has echoed "^C": the error line that
// follows goes on a line of its own.
void onInterrupt(int)
{
    ShellContext::requestInterruption();
    if (evaluating) {
        ssize_t written = ::write(1, "\n", 1);
        (void)written;
    }
}

void installInterruptHandler()
{
    struct sigaction action { };
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no SA_RESTART: a waiting select() returns at once
    sigaction(SIGINT, &action, nullptr);
}

// $XDG_STATE_HOME/guard/history, or ~/.local/state/guard/history; the
// folders are made when missing. Empty when there is no home either.
std::string historyPath()
{
    std::string state;
    if (const char* xdg = std::getenv("XDG_STATE_HOME"); xdg && *xdg == '/')
        state = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        state = std::string(home) + "/.local/state";
    else
        return std::string();
    std::string folder = state + "/guard";
    for (std::size_t slash = 1; slash != std::string::npos; slash = folder.find('/', slash + 1))
        ::mkdir(folder.substr(0, slash).c_str(), 0700);
    ::mkdir(folder.c_str(), 0700);
    return folder + "/history";
}

std::vector<std::string> pendingMatches;

char* nextMatch(const char*, int state)
{
    static std::size_t index;
    if (state == 0)
        index = 0;
    if (index >= pendingMatches.size())
        return nullptr;
    return strdup(pendingMatches[index++].c_str());
}

// The word the editor hands over runs from the last operator or parenthesis
// to the cursor (blanks do not break it), so it holds the words that choose
// the kind of completion ("as", "type") itself.
char** completeQuestion(const char* text, int, int)
{
    rl_attempted_completion_over = 1; // no file names
    std::string_view word(text);
    pendingMatches = completionsAt(word, 0, word.size());
    if (pendingMatches.empty())
        return nullptr;
    return rl_completion_matches(text, nextMatch);
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

class Shell {
public:
    Shell(Session& session, bool explain) : session_(session), explain_(explain) { }

    int run();

private:
    static void onLine(char* line);
    void line(char* text);
    void question(std::string_view text);
    void command(std::string_view text);
    void introspect(std::string_view typeName, std::initializer_list<std::string> questions);
    void say(std::string_view text);
    void prompt();

    Session& session_;
    bool explain_;
    std::string pending_;
    std::string history_;
    bool done_ = false;
    static Shell* current_;
};

Shell* Shell::current_ = nullptr;

void Shell::say(std::string_view text)
{
    session_.out().Receive(text);
    session_.out().flush();
}

void Shell::prompt() { rl_callback_handler_install(pending_.empty() ? kPrompt : kContinuationPrompt, onLine); }

void Shell::onLine(char* text)
{
    current_->line(text);
    std::free(text);
}

void Shell::line(char* text)
{
    if (!text) { // Ctrl-D on an empty line
        say("\n");
        done_ = true;
        rl_callback_handler_remove();
        return;
    }
    if (pending_.empty() && trimmed(text).empty()) {
        prompt();
        return;
    }
    if (!pending_.empty())
        pending_ += ' ';
    pending_ += text;
    if (questionContinues(pending_) && (pending_.empty() || pending_[0] != '.')) {
        prompt();
        return;
    }
    std::string entry;
    entry.swap(pending_);
    add_history(entry.c_str());
    if (!history_.empty())
        write_history(history_.c_str());
    rl_callback_handler_remove();
    std::string_view body = trimmed(entry);
    if (body.starts_with("."))
        command(body);
    else if (explain_)
        session_.explain(body);
    else
        question(body);
    if (!done_)
        prompt();
}

void Shell::question(std::string_view text)
{
    ShellContext::clearInterruption();
    evaluating = 1;
    session_.ask(text);
    evaluating = 0;
}

void Shell::introspect(std::string_view typeName, std::initializer_list<std::string> questions)
{
    if (typeName.empty()) {
        say("E: a type name is needed, as in .properties integer\n");
        return;
    }
    if (!InspectorRegistry::get().findType(typeName)) {
        say("E: no type is named \"" + std::string(typeName) + "\" (.types lists them)\n");
        return;
    }
    bool types = session_.types(), times = session_.times();
    session_.setTypes(false);
    session_.setTimes(false);
    for (const std::string& q : questions)
        session_.ask(q);
    session_.setTypes(types);
    session_.setTimes(times);
}

void Shell::command(std::string_view text)
{
    std::size_t space = text.find_first_of(" \t");
    std::string_view name = text.substr(0, space);
    std::string_view argument = space == std::string_view::npos ? std::string_view() : trimmed(text.substr(space));
    std::string typeName(argument);
    auto typeValue = "type \"" + typeName + "\"";
    if (name == ".quit" || name == ".exit") {
        done_ = true;
    } else if (name == ".help") {
        say(kHelp);
    } else if (name == ".types" && argument.empty()) {
        introspect("type", {"types"});
    } else if ((name == ".types" || name == ".times") && (argument == "on" || argument == "off" || argument.empty())) {
        bool on = argument == "on" || (argument.empty() && !session_.times());
        if (name == ".types")
            session_.setTypes(on);
        else
            session_.setTimes(on);
        say(std::string(name.substr(1)) + (on ? " on\n" : " off\n"));
    } else if (name == ".properties") {
        introspect(typeName, {"properties of (" + typeValue + ")"});
    } else if (name == ".casts") {
        introspect(typeName, {"casts whose (operand type of it = " + typeValue + ")"});
    } else if (name == ".operators") {
        introspect(typeName,
                   {"binary operators whose (left operand type of it = " + typeValue +
                        " or right operand type of it = " + typeValue + ")",
                    "unary operators whose (operand type of it = " + typeValue + ")"});
    } else if (name == ".explain") {
        if (argument.empty())
            say("E: a question is needed, as in .explain 1 + 1\n");
        else
            session_.explain(argument);
    } else {
        say("E: unknown command " + std::string(name) + " (.help lists the commands)\n");
    }
}

int Shell::run()
{
    current_ = this;
    history_ = historyPath();
    rl_readline_name = "guard";
    rl_catch_signals = 0;
    // Blanks do not end a completion word: phrases have several words.
    rl_basic_word_break_characters = kCompletionWordBreaks;
    rl_completer_word_break_characters = const_cast<char*>(kCompletionWordBreaks);
    rl_attempted_completion_function = completeQuestion;
    stifle_history(kHistoryLength);
    if (!history_.empty())
        read_history(history_.c_str());
    installInterruptHandler();
    prompt();
    while (!done_) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(0, &readable);
        int ready = ::select(1, &readable, nullptr, nullptr, nullptr);
        if (ready < 0 && errno == EINTR) {
            if (ShellContext::interruptionRequested()) {
                // Ctrl-C at the prompt: the line being typed is dropped.
                ShellContext::clearInterruption();
                pending_.clear();
                rl_replace_line("", 0);
                rl_callback_handler_remove();
                say("^C\n");
                prompt();
            }
            continue;
        }
        if (ready < 0)
            break;
        rl_callback_read_char();
    }
    rl_callback_handler_remove();
    if (!history_.empty())
        write_history(history_.c_str());
    // A person at the prompt has seen every error: leaving is not a failure.
    return kShellAllAnswered;
}

} // namespace

int runInteractiveShell(Session& session, bool explain)
{
    Shell shell(session, explain);
    return shell.run();
}

} // namespace guard
