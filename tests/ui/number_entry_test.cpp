#include "ui/number_entry.h"

#include "support/scripted_modals.h"
#include "text/message_texts.h"

#include <gtest/gtest.h>

namespace qv2 {
namespace {

struct ParseCase {
    const char *name;
    const char *text;
    std::optional<std::int32_t> value;
};

class ParseNumberTable : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTable, Converts) {
    EXPECT_EQ(ParseNumber(QString::fromUtf8(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseNumberTable,
    testing::Values(
        ParseCase{"Zero", "0", 0}, ParseCase{"ByteMax", "255", 255},
        ParseCase{"MinusOne", "-1", -1}, ParseCase{"Plus", "+5", 5},
        ParseCase{"MinusZero", "-0", 0}, ParseCase{"LeadingZeroIsNotOctal", "012", 12},
        ParseCase{"ManyLeadingZeros", "000000000000042", 42},
        ParseCase{"LeadingBlanks", "  12", 12}, ParseCase{"DollarHex", "$1F", 31},
        ParseCase{"ZeroXHex", "0x1F", 31}, ParseCase{"XHex", "x1F", 31},
        ParseCase{"UpperXHex", "X1f", 31}, ParseCase{"UpperZeroXHex", "0X1f", 31},
        ParseCase{"BlanksBeforeHex", " $ff", 255}, ParseCase{"Int32Max", "2147483647", 2147483647},
        ParseCase{"Int32Min", "-2147483648", std::numeric_limits<std::int32_t>::min()},
        ParseCase{"HexInt32Max", "$7FFFFFFF", 2147483647}, ParseCase{"Empty", "", std::nullopt},
        ParseCase{"OnlyBlanks", "   ", std::nullopt},
        ParseCase{"TrailingBlank", "12 ", std::nullopt},
        ParseCase{"TrailingLetter", "12a", std::nullopt}, ParseCase{"Letters", "abc", std::nullopt},
        ParseCase{"SignAlone", "-", std::nullopt}, ParseCase{"BlankAfterSign", "- 5", std::nullopt},
        ParseCase{"TwoSigns", "--5", std::nullopt}, ParseCase{"DollarAlone", "$", std::nullopt},
        ParseCase{"ZeroXAlone", "0x", std::nullopt},
        ParseCase{"SignBeforeHex", "-$1F", std::nullopt},
        ParseCase{"PlusBeforeHex", "+0x1F", std::nullopt},
        ParseCase{"BadHexDigit", "$1G", std::nullopt}, ParseCase{"Decimal", "1.5", std::nullopt},
        ParseCase{"LeadingTab", "\t5", std::nullopt},
        ParseCase{"Int32MaxPlusOne", "2147483648", std::nullopt},
        ParseCase{"Int32MinMinusOne", "-2147483649", std::nullopt},
        ParseCase{"HexBeyondInt32", "$80000000", std::nullopt},
        ParseCase{"HugeNumber", "99999999999999999999999", std::nullopt},
        ParseCase{"ArabicIndicDigits", "\u0661\u0662", std::nullopt}),
    [](const testing::TestParamInfo<ParseCase> &info) { return std::string(info.param.name); });

class ReadNumberInRangeTest : public testing::Test {
  protected:
    ReadNumberInRangeTest() {
        texts.setLines({"integer=is not a %d number", "between=must be %d..%d"});
    }
    int read(const QString &text, int lo, int hi, int fallback, const QString &label = {}) {
        return ReadNumberInRange(text, lo, hi, fallback, label, texts, modals);
    }
    MessageTexts texts;
    ScriptedModals modals;
};

TEST_F(ReadNumberInRangeTest, AcceptsTheRangeEndsSilently) {
    EXPECT_EQ(read("0", 0, 255, -1), 0);
    EXPECT_EQ(read("255", 0, 255, -1), 255);
    EXPECT_EQ(read("$20", 1, 32, 7), 32);
    EXPECT_TRUE(modals.messages.isEmpty());
}

TEST_F(ReadNumberInRangeTest, OutOfRangeShowsLabelAndFilledBetween) {
    EXPECT_EQ(read("256", 0, 255, -1), -1);
    EXPECT_EQ(read("-1", 0, 255, -1), -1);
    EXPECT_EQ(read("33", 1, 32, 7, "Room: "), 7);
    EXPECT_EQ(modals.messages,
              QStringList({"must be 0..255", "must be 0..255", "Room: must be 1..32"}));
}

TEST_F(ReadNumberInRangeTest, BadTextShowsLabelAndIntegerUnformatted) {
    EXPECT_EQ(read("", 0, 255, -1), -1);
    EXPECT_EQ(read("12 ", 1, 32, 7, "Room: "), 7);
    EXPECT_EQ(modals.messages, QStringList({"is not a %d number", "Room: is not a %d number"}));
}

TEST_F(ReadNumberInRangeTest, MissingOrBrokenMessagesLeaveTheLabel) {
    texts.setLines({"between=%s is wrong"});
    EXPECT_EQ(read("x", 0, 9, 3, "Level: "), 3);
    EXPECT_EQ(read("10", 0, 9, 3, "Level: "), 3);
    EXPECT_EQ(modals.messages, QStringList({"Level: ", "Level: %s is wrong"}));
}

} // namespace
} // namespace qv2
