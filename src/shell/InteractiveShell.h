#pragma once
// The interactive shell on a terminal, with libedit for line editing.
//
// The prompt is "guard> "; while a question continues (Continuation.h) the
// next line is read with "  ...> " and joined with one space. A line
// starting with "." is a command (.help lists them). Tab completes from the
// registry (Completion.h). History is kept in $XDG_STATE_HOME/guard/history
// (by default ~/.local/state/guard/history), one entry per question, the
// last 1000. Ctrl-C at the prompt discards the line being typed; during a
// question it stops the question through the context's interrupter, which
// then shows an "E: " line. Ctrl-D on an empty line, ".quit" or ".exit"
// leave. With `explain` every question is explained instead of answered.
// Returns 0: errors at the prompt have been seen, they do not make leaving
// the shell a failure.
namespace guard {

class Session;

int runInteractiveShell(Session& session, bool explain);

} // namespace guard
