#include "cli/render_command.h"

#include "level/archive_file.h"
#include "support/archive_builder.h"
#include "view_test_support.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include <sys/wait.h>

using namespace qv2;
using namespace viewtest;

namespace {

// An archive with level 2000 (type 1) and a program folder with our own pictures and back list.
struct RenderTest : ::testing::Test {
    TempFolder folder;
    std::string archive = folder.file("qasvar.dat");
    std::string programDir = folder.file("program");
    std::string output = folder.file("room.png");
    Bytes levelBytes = MakeFullLevel(LevelSketch{.startRoom = 3});

    RenderTest() {
        levelBytes[TileAttributeAt(3, 0, 0, 2)] = 0x0E;
        levelBytes[TileKindAt(3, 0, 0)] = 0x1A;
        ArchiveBuilder builder;
        builder.addLevel(2000, levelBytes);
        EXPECT_TRUE(WriteFile(archive, builder.build()));
        const QDir program(QString::fromStdString(programDir));
        EXPECT_TRUE(program.mkpath("images") && program.mkpath("texts"));
        for (const auto &[name, image] : pictures())
            EXPECT_TRUE(image.save(program.filePath("images/" + name + ".bmp"), "BMP"));
        QFile back(program.filePath("texts/back1.ini"));
        EXPECT_TRUE(back.open(QIODevice::WriteOnly));
        back.write("[1A]\r\naff=213\r\n");
    }
    static PictureMap pictures() {
        PictureMap map = Arrows();
        map["00"] = Solid(Qt::darkGray);
        map["1A_07"] = Solid(Qt::green);
        map["start00"] = Figure(Qt::cyan);
        return map;
    }
    struct Run {
        int status;
        std::string err;
    };
    Run render(const CommandArgs &args) {
        std::ostringstream out;
        std::ostringstream err;
        const int status = RenderRoom(args, out, err);
        EXPECT_EQ(out.str(), "");
        return {status, err.str()};
    }
    CommandArgs usual(const std::string &room = "3") {
        return {archive, "2000", room, output, "--program-dir", programDir};
    }
};

TEST_F(RenderTest, WritesTheComposedRoom) {
    ASSERT_EQ(render(usual()).status, 0);
    const QImage written(QString::fromStdString(output));
    ASSERT_FALSE(written.isNull());
    const QImage expected = ComposeRoom(LevelStore(levelBytes), RoomSelection{3, 0, 0},
                                        Ini({"[1A]", "aff=213"}), FromMap(pictures()));
    EXPECT_TRUE(written.convertToFormat(QImage::Format_RGB32) == expected);
    EXPECT_EQ(written.pixelColor(150, 120), QColor(Qt::green)) << "the selector picked 1A_07";
    EXPECT_EQ(written.pixelColor(144, 64), QColor(Qt::red)) << "row 0, column 0 selected";
}

TEST_F(RenderTest, RefusesWrongUsage) {
    const struct {
        const char *name;
        CommandArgs args;
    } cases[] = {
        {"too few", {archive, "2000", "3"}},
        {"room 0", {archive, "2000", "0", output}},
        {"room 33", {archive, "2000", "33", output}},
        {"room not a number", {archive, "2000", "3x", output}},
        {"id beyond 16 bits", {archive, "65536", "3", output}},
        {"unknown option", {archive, "2000", "3", output, "--folder", programDir}},
        {"option without folder", {archive, "2000", "3", output, "--program-dir"}},
    };
    for (const auto &c : cases) {
        const Run run = render(c.args);
        EXPECT_EQ(run.status, 2) << c.name;
        EXPECT_NE(run.err.find("usage"), std::string::npos) << c.name;
    }
}

TEST_F(RenderTest, ExitStatusesOfFailures) {
    EXPECT_EQ(render({archive, "2001", "3", output, "--program-dir", programDir}).status, 1);
    EXPECT_EQ(
        render({folder.file("none.dat"), "2000", "3", output, "--program-dir", programDir}).status,
        2);
    EXPECT_EQ(render({archive, "2000", "3", folder.file("no/such/folder.png"), "--program-dir",
                      programDir})
                  .status,
              2);
    ASSERT_TRUE(QFile::remove(QString::fromStdString(programDir + "/images/right.bmp")));
    const Run run = render(usual());
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(programDir + "/images/right.bmp"), std::string::npos) << run.err;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(output)));
}

// The program itself makes its own application on the offscreen platform.
TEST_F(RenderTest, RunsWithoutADisplay) {
    const std::string command = "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY " +
                                std::string(QV2LEV_PATH) + " render " + archive + " 2000 3 " +
                                output + " --program-dir " + programDir + " 2>/dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_FALSE(QImage(QString::fromStdString(output)).isNull());
}

} // namespace
