#pragma once
// Test fixture for inspector functions that put values into the current
// thread's allocator, and a String over test text.
#include <gtest/gtest.h>

#include <string_view>

#include "registry/CoreValues.h"
#include "registry/InspectorContext.h"
#include "registry/StackAllocator.h"

class ValueAllocatorTest : public ::testing::Test {
private:
    InlineStackAllocator<16384> allocator_;
    InstalledEvaluation installed_{nullptr, &allocator_};
};

// A String over `text`, which must outlive the String.
inline String stringOf(std::string_view text)
{
    return String(text.data(), std::uint32_t(text.size()));
}
