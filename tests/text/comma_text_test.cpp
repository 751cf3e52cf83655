#include "text/comma_text.h"

#include <gtest/gtest.h>

namespace qv2 {
namespace {

struct CommaCase {
    const char *name;
    const char *text;
    QStringList items;
};

class CommaText : public testing::TestWithParam<CommaCase> {};

TEST_P(CommaText, Splits) {
    EXPECT_EQ(SplitCommaText(QString::fromUtf8(GetParam().text)), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommaText,
    testing::Values(
        CommaCase{"BlankAndComma", "a b,c", {"a", "b", "c"}},
        CommaCase{"QuotedBlank", "\"a b\",c", {"a b", "c"}},
        CommaCase{"UnquotedItemWithBlanksIsThreeItems", "01 - Zendria", {"01", "-", "Zendria"}},
        CommaCase{"DoubledQuote", "\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
        CommaCase{"CommaInsideQuotes", "\"a,b\",c", {"a,b", "c"}}, CommaCase{"Empty", "", {}},
        CommaCase{"OnlyBlanks", "  \t ", {}},
        CommaCase{"BlanksAroundItems", "  a ,  b  , c  ", {"a", "b", "c"}},
        CommaCase{"RunOfBlanksIsOneSeparator", "a    b", {"a", "b"}},
        CommaCase{"TabsAndControlsSeparate", "a\tb\001c", {"a", "b", "c"}},
        CommaCase{"EmptyBetweenCommas", "a,,b", {"a", "", "b"}},
        CommaCase{"LeadingComma", ",a", {"", "a"}}, CommaCase{"TrailingComma", "a,", {"a", ""}},
        CommaCase{"BlankAfterTrailingComma", "a, ", {"a"}},
        CommaCase{"EmptyQuotedItem", "\"\",a", {"", "a"}},
        CommaCase{"UnclosedQuoteTakesTheRest", "\"a, b", {"a, b"}},
        CommaCase{"TextRightAfterQuoteIsNextItem", "\"a\"b", {"a", "b"}},
        CommaCase{
            "AccentedLetters", "\"00: Semmi\",\"2C: Függőhíd\"", {"00: Semmi", "2C: Függőhíd"}}),
    [](const testing::TestParamInfo<CommaCase> &info) { return std::string(info.param.name); });

} // namespace
} // namespace qv2
