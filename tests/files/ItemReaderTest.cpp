#include "files/ItemReader.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using Error = ItemReader::Error;

TEST(ItemReader, TextItemsQuotedPlainAndTrimmed) {
    ItemReader in("  \"Quoted, with comma\" ignored,  plain text  ,last\r\n\r\n  next line\n");
    EXPECT_EQ(in.Text(), QString("Quoted, with comma"));
    EXPECT_EQ(in.Text(), QString("plain text"));
    EXPECT_EQ(in.Text(), QString("last"));
    EXPECT_EQ(in.Text(), QString("next line"));
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(in.Text(), std::nullopt);
    EXPECT_EQ(in.error(), Error::EndOfData);
}

TEST(ItemReader, EmptyTextBetweenCommas) {
    ItemReader in("a,,b");
    EXPECT_EQ(in.Text(), QString("a"));
    EXPECT_EQ(in.Text(), QString(""));
    EXPECT_EQ(in.Text(), QString("b"));
}

TEST(ItemReader, NumbersEndAtBlankCommaOrLineEnd) {
    ItemReader in("5 ,-12,  7 8\r\n+3\n-32768,32767\r");
    EXPECT_EQ(in.Number(), 5);
    EXPECT_EQ(in.Number(), -12);
    EXPECT_EQ(in.Number(), 7);
    EXPECT_EQ(in.Number(), 8);
    EXPECT_EQ(in.Number(), 3);
    EXPECT_EQ(in.Number(), -32768);
    EXPECT_EQ(in.Number(), 32767);
    EXPECT_TRUE(in.AtEnd());
}

TEST(ItemReader, NumberFollowedByTextOnTheSameLine) {
    // A comma after blanks is the number's own separator, not an empty item.
    ItemReader in("12   ,  name here\r\n");
    EXPECT_EQ(in.Number(), 12);
    EXPECT_EQ(in.Text(), QString("name here"));
}

struct BadNumber {
    const char* text;
    Error error;
};

class ItemReaderBadNumber : public ::testing::TestWithParam<BadNumber> {};

TEST_P(ItemReaderBadNumber, IsAnErrorAndStaysOne) {
    ItemReader in(QByteArray(GetParam().text) + ",1");
    EXPECT_EQ(in.Number(), std::nullopt);
    EXPECT_EQ(in.error(), GetParam().error);
    // Errors are sticky: nothing after a bad item is read.
    EXPECT_EQ(in.Number(), std::nullopt);
    EXPECT_EQ(in.Text(), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ItemReaderBadNumber,
    ::testing::Values(BadNumber{"32768", Error::OutOfRange}, BadNumber{"-32769", Error::OutOfRange},
                      BadNumber{"99999999999999999999", Error::OutOfRange},
                      BadNumber{"abc", Error::NotANumber}, BadNumber{"12x", Error::NotANumber},
                      BadNumber{"-", Error::NotANumber}, BadNumber{"1.5", Error::NotANumber},
                      BadNumber{"\"7\"", Error::NotANumber}, BadNumber{"", Error::NotANumber}));

TEST(ItemReader, EndOfDataIsAnErrorNotAZero) {
    ItemReader in(" \r\n ");
    EXPECT_EQ(in.Number(), std::nullopt);
    EXPECT_EQ(in.error(), Error::EndOfData);
}

TEST(ItemReader, UnclosedQuoteStopsAtLineEnd) {
    ItemReader in("\"no close\r\n4");
    EXPECT_EQ(in.Text(), QString("no close"));
    EXPECT_EQ(in.Number(), 4);
}

TEST(ItemReader, ReportsTheLineOfTheLastItem) {
    ItemReader in("1\r\n2\n\n3");
    in.Number();
    in.Number();
    EXPECT_EQ(in.line(), 2);
    in.Number();
    EXPECT_EQ(in.line(), 4);
}

}  // namespace
}  // namespace qm
