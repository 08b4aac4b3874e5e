#pragma once
// The question-and-answer mode: answers every question of the source file
// into the destination file (created, or emptied, before the source is
// opened). Returns false when something outside the questions failed (the
// source could not be read, the destination not written).
#include "driver/QuestionAsker.h"
#include "platform/FileLocation.h"

bool runQuestionAndAnswerMode(const FileLocation& source, const FileLocation& destination, QuestionOptions options);
