#include "io/ItemReader.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using Error = ItemReader::Error;

TEST(ItemReader, TextItemsQuotedPlainEmptyAndTrimmed) {
    ItemReader in("  \"Quoted, with comma\" ignored,  plain text  ,,last\r\n\r\n  \"no close\r\n4");
    for (const char* item : {"Quoted, with comma", "plain text", "", "last", "no close"})
        EXPECT_EQ(in.Text(), QString(item));
    EXPECT_EQ(in.Number(), 4);
    EXPECT_TRUE(in.AtEnd());
}

TEST(ItemReader, NumbersEndAtBlankCommaOrLineEnd) {
    // A comma after blanks is the number's own separator, not an empty item.
    ItemReader in("5 ,-12,  7 8\r\n+3\n\n-32768,32767\r\n12   ,  name here\r\n \r\n ");
    for (int n : {5, -12, 7, 8, 3, -32768, 32767, 12}) EXPECT_EQ(in.Number(), n);
    EXPECT_EQ(in.line(), 5);
    EXPECT_EQ(in.Text(), QString("name here"));
    EXPECT_EQ(in.Number(), std::nullopt);  // an error, never a zero
    EXPECT_EQ(in.error(), Error::EndOfData);
}

TEST(ItemReader, BadNumberIsAnErrorAndStaysOne) {
    // clang-format off
    const std::pair<const char*, Error> cases[] = {
        {"32768", Error::OutOfRange}, {"-32769", Error::OutOfRange}, {"abc", Error::NotANumber},
        {"99999999999", Error::OutOfRange}, {"12x", Error::NotANumber}, {"-", Error::NotANumber},
        {"1.5", Error::NotANumber}, {"\"7\"", Error::NotANumber}, {"", Error::NotANumber}};
    // clang-format on
    for (auto [text, error] : cases) {
        ItemReader in(QByteArray(text) + ",1");
        EXPECT_EQ(in.Number(), std::nullopt) << text;
        EXPECT_EQ(in.error(), error) << text;
        // Errors are sticky: nothing after a bad item is read.
        EXPECT_EQ(in.Number(), std::nullopt) << text;
        EXPECT_EQ(in.Text(), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace qm
