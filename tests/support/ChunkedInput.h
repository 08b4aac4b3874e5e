#pragma once
// The ways the tests feed one text to a receiver: whole, in two chunks split
// at every offset (an empty chunk at either end included), and byte by byte.
#include <string>
#include <string_view>
#include <vector>

#include "pipeline/DataReceiver.h"

namespace guard {

struct Chunking {
    std::string name;
    std::vector<std::string_view> chunks;
};

inline std::vector<Chunking> chunkingsOf(std::string_view text)
{
    std::vector<Chunking> result;
    result.push_back({"whole", {text}});
    for (std::size_t split = 0; split <= text.size(); ++split)
        result.push_back({"split at " + std::to_string(split), {text.substr(0, split), text.substr(split)}});
    Chunking bytes{"byte by byte", {}};
    for (std::size_t i = 0; i < text.size(); ++i)
        bytes.chunks.push_back(text.substr(i, 1));
    result.push_back(bytes);
    return result;
}

// Start, every chunk, Finish. Chunks are copied so that a receiver reading
// past a chunk's end is caught by the sanitizer.
inline void feedChunks(DataReceiver& receiver, const std::vector<std::string_view>& chunks)
{
    receiver.Start();
    for (std::string_view chunk : chunks) {
        std::vector<char> copy(chunk.begin(), chunk.end());
        receiver.Receive(copy.data(), copy.data() + copy.size());
    }
    receiver.Finish();
}

} // namespace guard
