#include "text/message_texts.h"

#include <gtest/gtest.h>

namespace qv2 {
namespace {

TEST(MessageTexts, LooksUpByNameWithoutCaseFirstLineWins) {
    MessageTexts texts;
    texts.setLines({"jump=Go to room", "Room=Room: ", "room=second", "between=a=b %d", "comment"});
    EXPECT_EQ(texts.text("JUMP"), "Go to room");
    EXPECT_EQ(texts.text("room"), "Room: ");
    EXPECT_EQ(texts.text("between"), "a=b %d");
    EXPECT_EQ(texts.text("comment"), "");
    EXPECT_EQ(texts.text("missing"), "");
}

TEST(FormatMessage, FillsMatchingArguments) {
    EXPECT_EQ(FormatMessage(QStringLiteral("Pálya: %d  Hely: %d"), 5, 29),
              QStringLiteral("Pálya: 5  Hely: 29"));
    EXPECT_EQ(FormatMessage(QStringLiteral("%s (%d, %d)"), QStringLiteral("Láva"), 3, 12),
              QStringLiteral("Láva (3, 12)"));
    EXPECT_EQ(FormatMessage(QStringLiteral("[%02X]"), 9), "[09]");
    EXPECT_EQ(FormatMessage(QStringLiteral("100%%"), 1), "100%");
    EXPECT_EQ(FormatMessage(QStringLiteral("%100d|%.3s"), 7, QStringLiteral("abcdef")),
              QString(99, QLatin1Char(' ')) + "7|abc"); // the widest width still applies
}

TEST(FormatMessage, SurplusArgumentsAreIgnored) {
    EXPECT_EQ(FormatMessage(QStringLiteral("between %d"), 1, 32), "between 1");
    EXPECT_EQ(FormatMessage(QStringLiteral("plain"), 1, 32), "plain");
}

TEST(FormatMessage, BadFormatShowsTheTextAsItStands) {
    struct Case {
        const char *name;
        QString format;
        QString result;
    };
    const Case cases[] = {
        {"TooFewArguments", "%d and %d", FormatMessage(QStringLiteral("%d and %d"), 1)},
        {"NumberForString", "%d", FormatMessage(QStringLiteral("%d"), QStringLiteral("text"))},
        {"UnknownConversion", "%y", FormatMessage(QStringLiteral("%y"), 1)},
        {"LoneProcent", "50%", FormatMessage(QStringLiteral("50%"), 1)},
        {"NoArguments", "%s", FormatMessage(QStringLiteral("%s"))},
        {"HugeWidth", "%999999999d", FormatMessage(QStringLiteral("%999999999d"), 1)},
        {"TwoHugeWidths", "%999999999d%9999999d",
         FormatMessage(QStringLiteral("%999999999d%9999999d"), 1, 2)},
        {"HugePrecision", "%.999999999s",
         FormatMessage(QStringLiteral("%.999999999s"), QString("a"))},
        {"HugeWidthAfterFlags", "%-0999999999d", FormatMessage(QStringLiteral("%-0999999999d"), 1)},
        {"HugeWidthOfANamedArgument", "%1$99999999d",
         FormatMessage(QStringLiteral("%1$99999999d"), 1)},
        {"WidthJustBeyondTheLimit", "%101d", FormatMessage(QStringLiteral("%101d"), 1)},
        {"WidthFromAnArgument", "%*d", FormatMessage(QStringLiteral("%*d"), 1000000, 1)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.result, c.format) << c.name;
}

} // namespace
} // namespace qv2
