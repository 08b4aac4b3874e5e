#include <gtest/gtest.h>

#include "platform/DebuggableException.h"

namespace guard {

namespace {
GUARD_EXCEPTION(SampleFailure, DebuggableException);
}
namespace Outer {
class NestedFailure : public DebuggableException { };
} // namespace Outer

TEST(DebuggableException, WhatIsTheDemangledClassName)
{
    EXPECT_STREQ(Outer::NestedFailure().what(), "class Outer::NestedFailure");
    try {
        throw SampleFailure();
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "class (anonymous namespace)::SampleFailure");
    }
}

TEST(DebuggableException, TextExceptionCarriesItsText)
{
    TextException e("integers in step must not be 0");
    EXPECT_STREQ(static_cast<const std::exception&>(e).what(), "integers in step must not be 0");
}

} // namespace guard
