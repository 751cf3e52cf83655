#include "text/ini_file.h"

#include "text/win1250.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qv2 {
namespace {

const IniFile kIni = IniFile::fromText(QStringLiteral("orphan=before any section\n"
                                                      "[Main]\r\n"
                                                      "Title=First\r\n"
                                                      "title=Second\n"
                                                      "  spaced key  =  value with blanks  \n"
                                                      "filter=a|b=c|*.*\n"
                                                      "list=\"a b\",c,d\n"
                                                      "empty=\n"
                                                      "novalue\n"
                                                      "\n"
                                                      "[ other ]\n"
                                                      "title=Other\n"
                                                      "[MAIN]\n"
                                                      "late=continues main\n"
                                                      "title=Third\n"));

TEST(IniFile, SectionsAndKeysIgnoreCase) {
    EXPECT_EQ(kIni.value("main", "TITLE"), "First");
    EXPECT_EQ(kIni.value("OTHER", "title"), "Other");
    const IniFile accented = IniFile::fromText(QStringLiteral("[Árvíztűrő]\nk=v\n"));
    for (const QString &name : {QStringLiteral("ÁRVÍZTŰRŐ"), QStringLiteral("árvíztűrő")})
        EXPECT_EQ(accented.value(name, QStringLiteral("K")), "v") << name.toStdString();
    EXPECT_EQ(accented.value(QStringLiteral("Arvizturo"), QStringLiteral("k")), "");
}

TEST(IniFile, FirstMatchWinsAcrossRepeatedSections) {
    EXPECT_EQ(kIni.value("main", "title"), "First");
    EXPECT_EQ(kIni.value("main", "late"), "continues main");
}

TEST(IniFile, ValueIsKeptAsItStandsAfterTheFirstEquals) {
    EXPECT_EQ(kIni.value("main", "spaced key"), "  value with blanks  ");
    EXPECT_EQ(kIni.value("main", "filter"), "a|b=c|*.*");
    EXPECT_EQ(kIni.value("main", "list"), "\"a b\",c,d");
}

TEST(IniFile, MissingThingsGiveTheFallback) {
    EXPECT_EQ(kIni.value("main", "empty", "fb"), ""); // present but empty is not missing
    EXPECT_EQ(kIni.value("main", "novalue", "fb"), "fb");
    EXPECT_EQ(kIni.value("main", "nokey", "fb"), "fb");
    EXPECT_EQ(kIni.value("nosection", "title", "fb"), "fb");
    EXPECT_EQ(kIni.value("", "orphan", "fb"), "fb"); // lines before any section are never found
}

TEST(IniFile, SectionLinesAreRawAndSkipBlankLines) {
    EXPECT_EQ(kIni.sectionLines("other"), QStringList{"title=Other"});
    const QStringList main = kIni.sectionLines("main");
    ASSERT_EQ(main.size(), 9);
    EXPECT_EQ(main[0], "Title=First"); // the CR of a Windows line end is gone
    EXPECT_EQ(main[2], "  spaced key  =  value with blanks  ");
    EXPECT_EQ(main[6], "novalue");
    EXPECT_EQ(main[8], "title=Third");
    EXPECT_TRUE(kIni.sectionLines("nosection").isEmpty());
}

class IniFileLoad : public testing::Test {
  protected:
    QString write(const QByteArray &bytes) {
        const QString path = dir.filePath("lang.ini");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(IniFileLoad, ReadsWindows1250) {
    const QString path =
        write(EncodeWindows1250(QStringLiteral("[main]\r\ntitle=Szintszerkesztő\r\n")));
    EXPECT_EQ(IniFile::load(path).value("main", "title"), QStringLiteral("Szintszerkesztő"));
}

TEST_F(IniFileLoad, ReadsUtf8AfterAByteOrderMark) {
    const QString path =
        write("\xEF\xBB\xBF[main]\ntitle=" + QStringLiteral("Szintszerkesztő").toUtf8());
    EXPECT_EQ(IniFile::load(path).value("main", "title"), QStringLiteral("Szintszerkesztő"));
}

TEST_F(IniFileLoad, MissingFilesAndFoldersReadAsEmpty) {
    EXPECT_TRUE(IniFile::load(dir.filePath("missing.ini")).isEmpty());
    EXPECT_TRUE(IniFile::load(dir.path()).isEmpty());
}

TEST(FindLineValue, NamesAreTrimmedAndCompareWithoutCase) {
    const QStringList lines{"no equals here", " Status =Room %d", "status=second", "x==y"};
    EXPECT_EQ(FindLineValue(lines, "STATUS"), "Room %d");
    EXPECT_EQ(FindLineValue(lines, "x"), "=y");
    EXPECT_EQ(FindLineValue(lines, "no equals here"), std::nullopt);
    EXPECT_EQ(FindLineValue(lines, "missing"), std::nullopt);
}

} // namespace
} // namespace qv2
