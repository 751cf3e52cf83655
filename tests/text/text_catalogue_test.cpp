#include "text/text_catalogue.h"

#include "text/message_texts.h"
#include "text/win1250.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qv2 {
namespace {

// Stands for a window: keeps what it was given, and the order in which windows were served.
class RecordingTarget : public TextTarget {
  public:
    RecordingTarget(QStringList &order, QString name) : m_order(order), m_name(std::move(name)) {}
    void applyTexts(const LanguageFile &language) override {
        m_order.append(m_name);
        title = language.text("main", "title");
        open = language.text("main", "open");
        levels = language.list("select", "levels");
    }
    QString title = "built-in", open = "built-in";
    QStringList levels{"built-in"};

  private:
    QStringList &m_order;
    QString m_name;
};

class TextCatalogue : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        programDir = dir.path() + "/";
        ASSERT_TRUE(QDir(dir.path()).mkdir("texts"));
    }
    void write(const QString &name, const QString &text) {
        QFile file(programDir + "texts/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(EncodeWindows1250(text));
    }
    void apply(const QString &languageName) {
        const auto language = ReadLanguageFile(LanguageFilePath(programDir, languageName));
        ASSERT_TRUE(language) << languageName.toStdString();
        ApplyLanguageFile(*language, {&first, &second}, texts);
    }
    QTemporaryDir dir;
    QString programDir;
    QStringList order;
    RecordingTarget first{order, "first"}, second{order, "second"};
    MessageTexts texts;
};

TEST_F(TextCatalogue, OnlyATitleLeavesEverythingElseEmpty) {
    write("only.ini", "[main]\ntitle=Csak cím\n");
    texts.setLines({"old=line"});
    apply("only.ini");
    EXPECT_EQ(order, QStringList({"first", "second"}));
    EXPECT_EQ(first.title, QStringLiteral("Csak cím"));
    EXPECT_EQ(first.open, "");
    EXPECT_TRUE(first.levels.isEmpty());
    EXPECT_TRUE(texts.lines().isEmpty());
}

TEST_F(TextCatalogue, MessageListHoldsExactlyTheTextsSectionAndIsReplaced) {
    write("a.ini", "[texts]\r\nstatus=Room %d\r\n\r\n;note\r\njump=Jump\r\n[select]\r\nlevels=\"01 "
                   "- A\",\"02 - B\"\r\n");
    write("b.ini", "[TEXTS]\nroom=Room: \n");
    apply("a.ini");
    EXPECT_EQ(texts.lines(), QStringList({"status=Room %d", ";note", "jump=Jump"}));
    EXPECT_EQ(first.levels, QStringList({"01 - A", "02 - B"}));
    apply("b.ini");
    EXPECT_EQ(texts.lines(), QStringList({"room=Room: "}));
    EXPECT_EQ(texts.text("status"), "");
}

TEST_F(TextCatalogue, AMissingFileOrTheFolderIsNoLanguageFile) {
    write("empty.ini", "");
    EXPECT_TRUE(ReadLanguageFile(LanguageFilePath(programDir, "empty.ini")));
    EXPECT_FALSE(ReadLanguageFile(LanguageFilePath(programDir, "nothere.ini")));
    EXPECT_FALSE(ReadLanguageFile(LanguageFilePath(programDir, "")));
}

TEST_F(TextCatalogue, LanguageNameIsUsedExactlyAsWritten) {
    write("Qv2LevEd.ini", "[settings]\r\nLANG=english\r\n");
    write("english", "[main]\ntitle=No extension\n");
    write("english.ini", "[main]\ntitle=With extension\n");

    const QString name = ReadLanguageName(programDir);
    EXPECT_EQ(name, "english");
    EXPECT_EQ(LanguageFilePath(programDir, name), programDir + "texts/english");
    apply(name);
    EXPECT_EQ(first.title, "No extension");
    apply("english.ini");
    EXPECT_EQ(first.title, "With extension");
}

TEST_F(TextCatalogue, StartUpFileIsPlainLinesNotSections) {
    // A lang line before any header still counts, and the first one wins.
    write("Qv2LevEd.ini", "lang=first.ini\n[x]\nlang=second.ini\n");
    EXPECT_EQ(ReadLanguageName(programDir), "first.ini");
}

TEST_F(TextCatalogue, MissingStartUpFileOrKeyGivesAnEmptyName) {
    EXPECT_EQ(ReadLanguageName(programDir), "");
    write("Qv2LevEd.ini", "[settings]\nlanguage=magyar.ini\n");
    EXPECT_EQ(ReadLanguageName(programDir), "");
}

} // namespace
} // namespace qv2
