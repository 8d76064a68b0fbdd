#include "map/LeadingNumber.h"

#include <gtest/gtest.h>

#include <QString>

namespace qm {
namespace {

struct NumberCase {
    const char* text;
    std::optional<double> expected;  // nothing: a number that does not fit
};

class LeadingNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(LeadingNumberTest, ReadsTheLeadingNumber) {
    EXPECT_EQ(LeadingNumber(QString::fromLatin1(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberTest,
    ::testing::Values(
        NumberCase{"13", 13}, NumberCase{"-40", -40}, NumberCase{"  7", 7}, NumberCase{"+5", 5},
        NumberCase{"13.5", 13.5}, NumberCase{"12abc", 12}, NumberCase{"1E2", 100},
        NumberCase{"2d1", 20}, NumberCase{"3e", 3}, NumberCase{"4e+", 4}, NumberCase{"", 0},
        NumberCase{"abc", 0}, NumberCase{"-", 0}, NumberCase{".", 0}, NumberCase{"--3", 0},
        // Hexadecimal: four digits without "&" are 16 bits, sign-extended.
        NumberCase{"&HFFFF", -1}, NumberCase{"&HFFFF&", 65535}, NumberCase{"&hff", 255},
        NumberCase{"&H8000", -32768}, NumberCase{"&H7FFF", 32767}, NumberCase{"&H808080", 0x808080},
        NumberCase{"&H0FFFF", 65535}, NumberCase{"&HFFFFFFFF", -1}, NumberCase{"&HFFFFFFFF&", -1},
        NumberCase{"&H80000000&", -2147483648.0}, NumberCase{"&H", 0}, NumberCase{"&HFFG", 255},
        NumberCase{"&H12 34", 0x12}, NumberCase{"16711680", 16711680},
        NumberCase{"&H100000000", std::nullopt}, NumberCase{"1e999", std::nullopt},
        NumberCase{"&HFFFFFFFFFFFFFFFFFFFF&", std::nullopt}));

}  // namespace
}  // namespace qm
