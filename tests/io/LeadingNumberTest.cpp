#include "io/LeadingNumber.h"

#include "support/CaseName.h"

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

using N = NumberCase;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumberTest, ::testing::Values(
    N{"-40", -40}, N{"  +7", 7}, N{"13.5", 13.5}, N{"12abc", 12}, N{"1E2", 100}, N{"2d1", 20},
    N{"4e+", 4}, N{"", 0}, N{"--3", 0}, N{"1e999", std::nullopt},
    // Hexadecimal: four digits without "&" are 16 bits, sign-extended.
    N{"&HFFFF", -1}, N{"&HFFFF&", 65535}, N{"&hff", 255}, N{"&H8000", -32768}, N{"&H7FFF", 32767},
    N{"&H808080", 0x808080}, N{"&H0FFFF", 65535}, N{"&HFFFFFFFF", -1}, N{"&HFFFFFFFF&", -1},
    N{"&H80000000&", -2147483648.0}, N{"&H", 0}, N{"&HFFG", 255}, N{"&H12 34", 0x12},
    N{"&H100000000", std::nullopt}, N{"&HFFFFFFFFFFFFFFFFFFFF&", std::nullopt}),
    [](const auto& i) { return test::CaseName(i.index, *i.param.text ? i.param.text : "empty"); });
// clang-format on

}  // namespace
}  // namespace qm
