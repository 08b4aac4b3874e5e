#pragma once
// Handing a test's text to a pipeline stage in one piece. Both ends of the
// piece come from one view of the text: two spellings of the same literal
// (`Receive("ab", "ab" + 2)`) need not be one array.
#include <string_view>

#include "pipeline/DataReceiver.h"
#include "pipeline/LineReceiver.h"

namespace guard {

// DataReceiver::Receive of the bytes of `text`.
inline void receiveText(DataReceiver& receiver, std::string_view text)
{
    receiver.Receive(text.data(), text.data() + text.size());
}

// LineReceiver::Text of the bytes of `text`.
inline void lineText(LineReceiver& receiver, std::string_view text)
{
    receiver.Text(text.data(), text.data() + text.size());
}

} // namespace guard
