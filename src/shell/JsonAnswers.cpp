#include "shell/JsonAnswers.h"

#include <charconv>

#include "shell/JsonText.h"

namespace guard {

void JsonAnswers::questionEnd()
{
    sink_.Receive("{\"question\": ");
    writeJsonString(sink_, question_);
    sink_.Receive(", \"answers\": [");
    question_.clear();
    open_ = true;
    hasError_ = hasType_ = hasTime_ = false;
    firstAnswer_ = true;
}

void JsonAnswers::answer(std::string_view text)
{
    if (!firstAnswer_)
        sink_.Receive(", ");
    firstAnswer_ = false;
    writeJsonString(sink_, text);
}

void JsonAnswers::error(std::string_view message)
{
    error_.assign(message);
    hasError_ = true;
}

void JsonAnswers::time(std::uint64_t microseconds)
{
    time_ = microseconds;
    hasTime_ = true;
}

void JsonAnswers::type(std::string_view name)
{
    type_.assign(name);
    hasType_ = true;
}

void JsonAnswers::blockEnd()
{
    if (!open_)
        return;
    open_ = false;
    sink_.Receive("], \"error\": ");
    if (hasError_)
        writeJsonString(sink_, error_);
    else
        sink_.Receive("null");
    sink_.Receive(", \"type\": ");
    if (hasType_)
        writeJsonString(sink_, type_);
    else
        sink_.Receive("null");
    sink_.Receive(", \"time_us\": ");
    if (hasTime_) {
        char digits[24];
        auto [end, error] = std::to_chars(digits, digits + sizeof digits, time_);
        sink_.Receive(digits, end);
    } else {
        sink_.Receive("null");
    }
    sink_.Receive("}\n");
    sink_.flush();
}

} // namespace guard
