// Checks the shipped language files against what the program reads from them.
#include "text/comma_text.h"
#include "text/ini_file.h"
#include "text/message_texts.h"
#include "text/text_catalogue.h"

#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace qv2 {
namespace {

const QString kTexts = QStringLiteral(QV2_SOURCE_DIR "/data/texts/");

QByteArray readBytes(const QString &name) {
    QFile file(kTexts + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Section name -> key names, both lower-cased, as the file states them.
std::map<QString, std::set<QString>> keysOf(const QString &name) {
    std::map<QString, std::set<QString>> keys;
    QString section;
    for (const QString &line : ReadTextFileLines(kTexts + name)) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'[')) {
            section = trimmed.mid(1, trimmed.indexOf(u']') - 1).toLower();
            keys[section];
        } else if (!section.isEmpty() && trimmed.contains(u'=')) {
            keys[section].insert(trimmed.left(trimmed.indexOf(u'=')).trimmed().toLower());
        }
    }
    return keys;
}

const std::map<QString, QStringList> kWindowKeys = {
    {"main",
     {"title",       "file",    "level",    "room",     "open",      "exit",      "start",
      "guards",      "save",    "coming",   "restart",  "link",      "neighbor",  "jump",
      "all",         "error",   "kind",     "delete",   "filter",    "titleopen", "titlesave",
      "savebutton",  "tiles",   "back",     "help",     "shortcuts", "about",     "clearrecent",
      "zoomfit",     "menubar", "namekind", "edit",     "view",      "language",  "undo",
      "undostep",    "redo",    "redostep", "copyroom", "pasteroom", "copytiles", "pastetiles",
      "deletetiles", "zoomin",  "zoomout",  "zoomreset"}},
    {"language", {"locale"}},
    {"all", {"title"}},
    {"history", {"title", "menu", "opened"}},
    {"tools", {"title", "select", "paint", "fill", "fillarea", "droparea"}},
    {"palette", {"title", "menu", "brush"}},
    {"problems", {"title", "menu", "columns"}},
    {"start", {"title", "room", "tile", "direction", "directions", "ok", "cancel"}},
    {"link", {"title", "room", "tile", "unknown", "left", "right", "ok", "cancel"}},
    {"select", {"title", "levels", "ok", "cancel", "gameplay"}},
    {"neighbor", {"title", "left", "right", "up", "down", "ok", "cancel"}},
    {"guards",
     {"title", "number", "index", "tile", "xcrd", "direction", "directions", "skill", "frame",
      "subkind", "subkinds", "kind", "kinds", "hitpoints", "cometolife", "cometolifes", "ok",
      "cancel"}},
    {"kind",
     {"title", "kind", "kinds", "index", "enable", "guardkind", "guardkinds", "ok", "cancel"}},
};

// Messages shown as they stand (captions, labels, field names). The rule messages are checked
// against the rule script that names them.
const QStringList kPlainMessages =
    QStringLiteral(
        "noindex nolevel checksum damaged integer room tile jump question reallydel left "
        "right up down dincoming dinrestart errors dinOK dinCancel dinback yes no nguards "
        "toomuch noerr pback pbackflag pspikes pgate plink ppotion ploose pdoor ptorch "
        "keystitle keysfind keyssearch keyscommand keyskeys close abouttitle aboutcopyright "
        "aboutlicence hinttitle hintrecent hintsample overwrite notcopy reallydeltiles "
        "problemfault toolpaint toolfill toolfillarea nosettings")
        .split(u' ');

// List messages and list keys of the windows, with the number of items each must hold.
const std::map<QString, int> kMessageLists = {
    {"dincomingdesc", 10}, {"dinrestartdesc", 2}, {"pspikesl", 2}, {"pgates", 2}, {"ppotions", 8},
    {"plooses", 2},        {"pdoors", 2},         {"ptorches", 2}, {"sides", 4}};
struct WindowList {
    const char *section, *key;
    int items;
};
const WindowList kWindowLists[] = {
    {"main", "tiles", 45},        {"select", "levels", 14},  {"start", "directions", 2},
    {"guards", "directions", 2},  {"guards", "subkinds", 4}, {"guards", "kinds", 9},
    {"guards", "cometolifes", 3}, {"kind", "kinds", 6},      {"kind", "enable", 12},
    {"kind", "guardkinds", 5},    {"problems", "columns", 3}};

class LanguageFiles : public testing::TestWithParam<const char *> {
  protected:
    void SetUp() override {
        ini = IniFile::load(kTexts + GetParam());
        ASSERT_FALSE(ini.isEmpty()) << "cannot read " << GetParam();
        texts.setLines(ini.sectionLines("texts"));
    }
    IniFile ini;
    MessageTexts texts;
};

TEST_P(LanguageFiles, HoldEveryKeyTheWindowsRead) {
    const auto keys = keysOf(GetParam());
    for (const auto &[section, names] : kWindowKeys) {
        for (const QString &name : names) {
            EXPECT_TRUE(keys.count(section) && keys.at(section).count(name))
                << "[" << section.toStdString() << "] " << name.toStdString();
        }
    }
    for (const QString &key : kPlainMessages)
        EXPECT_FALSE(texts.text(key).isEmpty()) << key.toStdString();
    EXPECT_TRUE(texts.text("room").endsWith(": ")); // put in front of number messages
    EXPECT_TRUE(texts.text("tile").endsWith(": "));
}

TEST_P(LanguageFiles, ListsHoldTheirItems) {
    for (const WindowList &list : kWindowLists) {
        EXPECT_EQ(SplitCommaText(ini.value(list.section, list.key)).size(), list.items)
            << "[" << list.section << "] " << list.key;
    }
    for (const auto &[key, items] : kMessageLists)
        EXPECT_EQ(SplitCommaText(texts.text(key)).size(), items) << key.toStdString();
    for (int type = 1; type <= 6; ++type) {
        const auto names = SplitCommaText(texts.text(QStringLiteral("bgnames%1").arg(type)));
        EXPECT_GE(names.size(), 8) << "bgnames" << type;
        EXPECT_LE(names.size(), 16) << "bgnames" << type;
    }
}

// Each format is applied with exactly the arguments the program passes; fmt refuses a mismatch,
// and a format that dropped an argument would not show its value.
TEST_P(LanguageFiles, FormatsTakeTheirArguments) {
    struct Case {
        const char *key;
        QString result;
        QStringList shown;
    };
    const Case cases[] = {
        {"status", FormatMessage(texts.text("status"), 17, 29), {"17", "29"}},
        {"short", FormatMessage(texts.text("short"), 9876, 11066), {"9876", "11066"}},
        {"cantread",
         FormatMessage(texts.text("cantread"), QString("/x/qasvar.dat"), QString("No such file")),
         {"/x/qasvar.dat", "No such file"}},
        {"cantwrite",
         FormatMessage(texts.text("cantwrite"), QString("/y/qasvar.dat"), QString("Disk full")),
         {"/y/qasvar.dat", "Disk full"}},
        {"busy", FormatMessage(texts.text("busy"), QString("/z/qasvar.dat")), {"/z/qasvar.dat"}},
        {"nopicture",
         FormatMessage(texts.text("nopicture"), QString("images/left.bmp")),
         {"images/left.bmp"}},
        {"saved",
         FormatMessage(texts.text("saved"), 2004, QString("qasvar.dat")),
         {"2004", "qasvar.dat"}},
        {"changedslot",
         FormatMessage(texts.text("changedslot"), 2004, QString("a.dat")),
         {"2004", "a.dat"}},
        {"changedondisk", FormatMessage(texts.text("changedondisk"), QString("b.dat")), {"b.dat"}},
        {"between", FormatMessage(texts.text("between"), 1, 32), {"1", "32"}},
        {"err",
         FormatMessage(texts.text("err"), QString("Gate blocks"), 23, 14),
         {"Gate blocks", "23", "14"}},
        {"invalid", FormatMessage(texts.text("invalid"), 120), {"120"}},
        {"badnumber", FormatMessage(texts.text("badnumber"), 57), {"57"}},
        {"longkey", FormatMessage(texts.text("longkey"), 58), {"58"}},
        {"problemcount", FormatMessage(texts.text("problemcount"), 59), {"59"}},
        {"tipfield",
         FormatMessage(texts.text("tipfield"), QString("Gate"), 3, 4, 6, 7),
         {"Gate", "3", "4", "6", "7"}},
        {"aboutversion", FormatMessage(texts.text("aboutversion"), QString("9.8")), {"9.8"}},
        {"aboutfolder", FormatMessage(texts.text("aboutfolder"), QString("/p/")), {"/p/"}},
        {"aboutsettings",
         FormatMessage(texts.text("aboutsettings"), QString("/s.ini")),
         {"/s.ini"}},
        {"recentgone",
         FormatMessage(texts.text("recentgone"), QString("/g/qasvar.dat"), 2005),
         {"/g/qasvar.dat", "2005"}},
        {"hintopen", FormatMessage(texts.text("hintopen"), QString("Ctrl+O")), {"Ctrl+O"}},
        {"badneighbour",
         FormatMessage(texts.text("badneighbour"), 31, SplitCommaText(texts.text("sides")).value(3),
                       200),
         {"31", SplitCommaText(texts.text("sides")).value(3), "200"}},
    };
    // The windows' formats: the toolbar's field descriptions, the undo steps, the brush.
    const struct {
        const char *section;
        Case c;
    } windows[] = {
        {"main", {"tipkind", FormatMessage(ini.value("main", "tipkind"), 44), {"2C"}}},
        {"main",
         {"tipattribute", FormatMessage(ini.value("main", "tipattribute"), 3), {"3", "255"}}},
        {"main", {"nameattribute", FormatMessage(ini.value("main", "nameattribute"), 4), {"4"}}},
        {"main", {"undostep", FormatMessage(ini.value("main", "undostep"), QString("Do")), {"Do"}}},
        {"main", {"redostep", FormatMessage(ini.value("main", "redostep"), QString("Re")), {"Re"}}},
        {"palette",
         {"brush",
          FormatMessage(ini.value("palette", "brush"), QString("14: W"), 5, 6, 7, 8),
          {"14: W", "5", "6", "7", "8"}}},
    };
    const auto check = [](const Case &c, const QString &format) {
        EXPECT_NE(c.result, format) << c.key << " was not applied";
        for (const QString &value : c.shown)
            EXPECT_TRUE(c.result.contains(value)) << c.key << " lacks " << value.toStdString();
    };
    for (const Case &c : cases)
        check(c, texts.text(c.key));
    for (const auto &w : windows)
        check(w.c, ini.value(w.section, w.c.key));
}

// Qt's own texts are shown in the file's language, from the translations Qt ships.
TEST_P(LanguageFiles, NameALocaleThatQtHasTranslationsFor) {
    const QString locale = ini.value("language", "locale");
    QTranslator translator;
    EXPECT_TRUE(
        translator.load("qtbase_" + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        << "locale=" << locale.toStdString() << "; is qt6-translations-l10n installed?";
}

INSTANTIATE_TEST_SUITE_P(Shipped, LanguageFiles, testing::Values("magyar.ini", "english.ini"),
                         [](const auto &info) {
                             return QString(info.param).section('.', 0, 0).toStdString();
                         });

TEST(ShippedLanguageFiles, HaveTheSameSectionsAndKeys) {
    const auto magyar = keysOf("magyar.ini");
    const auto english = keysOf("english.ini");
    EXPECT_FALSE(magyar.empty());
    EXPECT_EQ(magyar, english);
}

TEST(ShippedLanguageFiles, MagyarIsWindows1250AndRestatesTheBuiltInTexts) {
    const QByteArray bytes = readBytes("magyar.ini");
    for (const char unassigned : {'\x81', '\x83', '\x88', '\x90', '\x98'})
        EXPECT_FALSE(bytes.contains(unassigned)) << int(static_cast<unsigned char>(unassigned));
    EXPECT_FALSE(bytes.contains("\xC5\x91")) << "holds UTF-8 bytes of \u0151"; // ő in UTF-8

    const IniFile ini = IniFile::load(kTexts + "magyar.ini");
    EXPECT_EQ(ini.value("main", "title"), QStringLiteral("Qasvar 2 szintszerkesztő"));
    EXPECT_EQ(ini.value("main", "filter"),
              QStringLiteral("Szintfájlok (qasvar.dat)|qasvar.dat|Minden fájl (*.*)|*.*"));
    const QStringList tiles = SplitCommaText(ini.value("main", "tiles"));
    ASSERT_EQ(tiles.size(), 45);
    EXPECT_EQ(tiles[0x00], QStringLiteral("00: Semmi"));
    EXPECT_EQ(tiles[0x2A], QStringLiteral("2A:"));
    EXPECT_EQ(tiles[0x2C], QStringLiteral("2C: Függőhíd"));
    const QStringList levels = SplitCommaText(ini.value("select", "levels"));
    ASSERT_EQ(levels.size(), 14);
    EXPECT_EQ(levels[13], QStringLiteral("14 - Újra Zendriában"));
    EXPECT_EQ(SplitCommaText(ini.value("kind", "guardkinds")).value(4),
              QStringLiteral("255: Nincs"));
}

TEST(ShippedLanguageFiles, EnglishIsPlainAscii) {
    const QByteArray bytes = readBytes("english.ini");
    ASSERT_FALSE(bytes.isEmpty());
    for (const char c : bytes)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
}

TEST(ShippedLanguageFiles, StartUpFileNamesTheHungarianFile) {
    EXPECT_EQ(ReadLanguageName(QStringLiteral(QV2_SOURCE_DIR "/data/")), "magyar.ini");
}

} // namespace
} // namespace qv2
