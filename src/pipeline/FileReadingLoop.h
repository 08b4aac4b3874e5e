#pragma once
// Pushes a file, or its tail from a start offset, through a pipeline.
//
// The loop opens the file, takes its size once, starts the receiver, pushes
// chunks of at most `bufferSize` bytes until the recorded size is reached,
// finishes the receiver and closes the file. A file that turns out shorter
// than its recorded size throws FileReadingLoopEndOfFileError; a start
// offset at or past the end gives an empty stream. Everything the receiver
// throws passes through (the file is closed on the way out).
#include <cstddef>
#include <cstdint>

#include "pipeline/DataReceiver.h"
#include "pipeline/LineReceiver.h"
#include "platform/DebuggableException.h"
#include "platform/FileLocation.h"

namespace guard {

GUARD_EXCEPTION(FileReadingLoopEndOfFileError, DebuggableException);

inline constexpr std::size_t kFileReadingBufferSize = 4096;

void pushFile(const FileLocation& location, DataReceiver& receiver, std::size_t bufferSize = kFileReadingBufferSize,
              std::uint64_t start = 0);

// The same with a LineMaker in front of `receiver`.
void pushFileLines(const FileLocation& location, LineReceiver& receiver,
                   std::size_t bufferSize = kFileReadingBufferSize, std::uint64_t start = 0);

} // namespace guard
