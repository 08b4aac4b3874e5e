#pragma once
// The question-and-answer mode: answers every question of the source file
// into the destination file (created, or emptied, before the source is
// opened). Returns false when something outside the questions failed (the
// source could not be read, the destination not written).
//
// The first form evaluates under the program's EvalContext; the second
// under a given context whose function tables are already filled (a caller
// that must bound evaluation gives one that is an InspectorInterrupter).
#include "driver/QuestionAsker.h"
#include "platform/FileLocation.h"
#include "registry/InspectorContext.h"

namespace guard {

bool runQuestionAndAnswerMode(const FileLocation& source, const FileLocation& destination, QuestionOptions options);
bool runQuestionAndAnswerMode(const FileLocation& source, const FileLocation& destination, QuestionOptions options,
                              InspectorContext& context);

} // namespace guard
