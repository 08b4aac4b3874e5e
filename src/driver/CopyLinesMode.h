#pragma once
// The mode that runs when "EvalXML" is not given, for as long as there is no
// question-and-answer mode: it copies the source file's lines to the
// destination, every line ended by CR LF. The destination is created (or
// emptied) before the source is opened. Returns false when a failure ended
// the run; the failure itself is not reported.
#include "platform/FileLocation.h"

bool runCopyLinesMode(const FileLocation& source, const FileLocation& destination);
