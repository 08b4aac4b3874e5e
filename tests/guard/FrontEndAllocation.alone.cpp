// Counts heap countedAllocations.count while questions are parsed again and again: after
// the first parse, lexing and parsing must allocate nothing (the lexemes are
// members, the rule table is static, the stacks reuse their inline blocks,
// the tree lives in its allocator's first chunk).
#include <gtest/gtest.h>

#include <string>

#include "guard/tree/ExpressionPrinter.h"
#include "guard/parser/GuardFrontEnd.h"
#include "registry/StackAllocator.h"

#include "support/CountedAllocations.h"

namespace guard {

namespace {

const std::string kQuestion =
    "(if exists file \"C:%5CWindows%5Csystem32%5Cdrivers%5Cetc%5Chosts\" whose (size of it > 1024 and "
    "modification time of it is greater than or equal to \"01 Jan 2020\" as time) then (names of files "
    "whose (name of it as lowercase ends with \".dll\") of folder \"system32\" of windows folder, "
    "number of processes; item 0 of (1, 2, 3) + 18446744073709551615 mod 7) /* the else part */ else "
    "(not (version of it does not start with \"10.\") or there exists no it) | - 42 * 3)";

TEST(FrontEndAllocation, ParsingAgainAllocatesNothing)
{
    InlineStackAllocator<1 << 16> allocator;
    ExpressionTree tree(allocator);
    tree.setBindOnFinish(false);
    GuardFrontEnd frontEnd(tree);
    const std::string expected = printTree(frontEnd.parse(kQuestion));
    ASSERT_NE(expected.find("Whose("), std::string::npos);

    // The counting hook is the one in use.
    countedAllocations.counting = true;
    // Through a volatile pointer: an optimiser may drop a new whose result
    // is only deleted.
    long* volatile kept = new long(1);
    delete kept;
    countedAllocations.counting = false;
    ASSERT_EQ(countedAllocations.count, 1);

    countedAllocations.count = 0;
    countedAllocations.counting = true;
    for (int round = 0; round < 200; ++round) {
        frontEnd.parse(kQuestion);
        // The same text in chunks of 7 bytes: words, strings and operators
        // split over chunks are buffered in the lexemes' own buffers.
        DataReceiver& input = frontEnd.input();
        input.Start();
        for (std::size_t at = 0; at < kQuestion.size(); at += 7) {
            std::size_t end = std::min(kQuestion.size(), at + 7);
            input.Receive(kQuestion.data() + at, kQuestion.data() + end);
        }
        input.Finish();
    }
    countedAllocations.counting = false;
    EXPECT_EQ(countedAllocations.count, 0);
    EXPECT_EQ(printTree(tree.root()), expected);
    EXPECT_EQ(frontEnd.parser().engine().positions().heapBlocks(), 0u);
    EXPECT_FALSE(frontEnd.parser().engine().positions().hasSpare());
}

} // namespace

} // namespace guard
