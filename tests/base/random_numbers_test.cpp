#include <gtest/gtest.h>

#include "base/random_numbers.h"

TEST(RandomNumbersTest, KnownSeedsGiveTheirKnownSequences) {
    zufallsstart(1);
    for (int v : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(zufallszahl(), v);

    // A seed near the top of the range wraps around 2^32 without harm.
    zufallsstart(0xFFFFFFFFu);
    for (int i = 0; i < 1000; ++i) ASSERT_LE(unsigned(zufallszahl()), 32767u);
    zufallsstart(12345);
    EXPECT_EQ(zufallszahl(), 7584);
}
