#include <gtest/gtest.h>

#define SAMPLE CompiledSample
#include "Cp932Sample.inc"
#undef SAMPLE

std::string EscapedSample();

TEST(Cp932Escape, EscapedLiteralsHoldTheBytesGxxGivesWithTheCodePage) {
    EXPECT_EQ(CompiledSample(), EscapedSample());
}
