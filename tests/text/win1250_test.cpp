#include "text/win1250.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

namespace qv2 {
namespace {

TEST(Win1250, HungarianLettersRoundTrip) {
    const QString letters = QStringLiteral("őűŐŰáéíóöúüÁÉÍÓÖÚÜ");
    const QByteArray bytes = EncodeWindows1250(letters);
    EXPECT_EQ(
        bytes,
        QByteArray("\xF5\xFB\xD5\xDB\xE1\xE9\xED\xF3\xF6\xFA\xFC\xC1\xC9\xCD\xD3\xD6\xDA\xDC"));
    EXPECT_EQ(DecodeWindows1250(bytes), letters);
}

TEST(Win1250, AsciiPassesUnchanged) {
    QByteArray ascii;
    for (int b = 0; b < 0x80; ++b)
        ascii.append(static_cast<char>(b));
    EXPECT_EQ(EncodeWindows1250(DecodeWindows1250(ascii)), ascii);
}

TEST(Win1250, UnassignedBytesBecomeReplacementMarks) {
    const QString text = DecodeWindows1250(QByteArray("\x81\x83\x88\x90\x98"));
    EXPECT_EQ(text, QString(5, QChar(0xFFFD)));
    EXPECT_EQ(EncodeWindows1250(text), QByteArray("?????"));
}

TEST(Win1250, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(EncodeWindows1250(QStringLiteral("a\u00F1\u4E2Db")), QByteArray("a??b")); // ñ, CJK
    EXPECT_EQ(EncodeWindows1250(QStringLiteral("\u0081")), QByteArray("?"));
}

TEST(Win1250, EveryAssignedByteRoundTrips) {
    for (int b = 0x80; b <= 0xFF; ++b) {
        if (b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98)
            continue;
        const QByteArray byte(1, static_cast<char>(b));
        EXPECT_EQ(EncodeWindows1250(DecodeWindows1250(byte)), byte) << "byte " << b;
    }
}

// Our table must agree with the platform's codec wherever the platform has one.
TEST(Win1250, TableAgreesWithThePlatformCodec) {
    QStringDecoder platform("windows-1250");
    if (!platform.isValid())
        GTEST_SKIP() << "this Qt has no Windows-1250 codec to compare with";
    for (int b = 0x80; b <= 0xFF; ++b) {
        if (b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98)
            continue;
        const QByteArray byte(1, static_cast<char>(b));
        EXPECT_EQ(DecodeWindows1250(byte), platform.decode(byte)) << "byte " << b;
    }
}

} // namespace
} // namespace qv2
