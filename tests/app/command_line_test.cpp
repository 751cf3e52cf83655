#include "app/command_line.h"

#include <gtest/gtest.h>

namespace qv2 {
namespace {

TEST(EditorCommandLine, RunsOrAnswers) {
    struct Case {
        const char *name;
        QStringList arguments;
        bool runs;
        int status;
        QString archive;
        int id;
        const char *text; // found in the answer
    };
    const Case cases[] = {
        {"nothing", {}, true, 0, "", 2000, ""},
        {"archive", {"levels/q.dat"}, true, 0, "levels/q.dat", 2000, ""},
        {"archive and id", {"q.dat", "2021"}, true, 0, "q.dat", 2021, ""},
        {"hex id as typed in the editor", {"q.dat", "$7E0"}, true, 0, "q.dat", 2016, ""},
        {"help", {"--help"}, false, 0, "", 0, "Usage: qv2leved [options] [ARCHIVE [ID]]\n"},
        {"help wins over arguments", {"q.dat", "-h"}, false, 0, "", 0, "ARCHIVE"},
        {"version", {"--version"}, false, 0, "", 0, "qv2leved " QV2_VERSION "\n"},
        {"unknown option", {"--fullscreen"}, false, 2, "", 0, "Unknown option 'fullscreen'"},
        {"three arguments", {"q.dat", "2000", "x"}, false, 2, "", 0, "too many arguments"},
        {"id 0", {"q.dat", "0"}, false, 2, "", 0, "1..65535"},
        {"id beyond 16 bits", {"q.dat", "65536"}, false, 2, "", 0, "1..65535"},
        {"id with letters", {"q.dat", "20x0"}, false, 2, "", 0, "1..65535"},
        {"screenshot without its file", {"--screenshot"}, false, 2, "", 0, "screenshot"},
    };
    for (const Case &c : cases) {
        const CommandLine line =
            ParseEditorCommandLine(QStringList{"/opt/x/qv2leved"} + c.arguments);
        ASSERT_EQ(line.run.has_value(), c.runs) << c.name;
        EXPECT_EQ(line.status, c.status) << c.name;
        EXPECT_TRUE(line.text.contains(QString::fromUtf8(c.text)))
            << c.name << ": " << line.text.toStdString();
        if (c.runs) {
            EXPECT_EQ(line.run->archive, c.archive) << c.name;
            EXPECT_EQ(line.run->id, c.id) << c.name;
        }
    }
    EXPECT_FALSE(ParseEditorCommandLine({"qv2leved", "--help"}).text.contains("screenshot"));
    EXPECT_EQ(
        ParseEditorCommandLine({"qv2leved", "q.dat", "--screenshot", "s.png"}).run->screenshot,
        "s.png");
}

} // namespace
} // namespace qv2
