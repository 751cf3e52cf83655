// The window on the screen: its first size, the layout kept between runs, zoom by the wheel and
// to fit, and the hint over the empty room view.
#include "app/room_zoom.h"
#include "app/screenshot_and_benchmark.h"
#include "app/start_hint.h"
#include "app/window_layout.h"
#include "main_window_fixture.h"
#include "support/find_control.h"
#include "view/paint_box.h"
#include "view/room_painter.h"
#include "view/tile_palette.h"

#include <QEventLoop>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

namespace qv2 {
namespace {

TEST(FirstWindowGeometry, FitsTheFreeAreaLeavingRoomForTheFrame) {
    const struct {
        const char *name;
        QSize wanted;
        QRect available;
        QRect expected;
    } cases[] = {
        {"room enough", {820, 480}, {0, 0, 1920, 1080}, {550, 300, 820, 480}},
        {"1280x900 at scale 2", {820, 480}, {0, 0, 640, 450}, {20, 20, 600, 410}},
        {"a panel on the left", {820, 480}, {100, 30, 1180, 870}, {280, 225, 820, 480}},
        {"just too narrow", {820, 480}, {0, 0, 859, 1000}, {20, 260, 819, 480}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FirstWindowGeometry(c.wanted, c.available), c.expected) << c.name;
}

TEST(RoomZoom, ThePixelUnderThePointerStaysAndFitTakesTheLargestZoomThatFits) {
    const struct {
        QPointF inBox;
        QPoint inView;
        int oldZoom, newZoom;
        QPoint scroll;
    } keeps[] = {
        {{2, 2}, {2, 2}, 1, 2, {0, 0}},           // the picture's corner
        {{102, 52}, {102, 52}, 1, 3, {200, 100}}, // unscrolled
        {{402, 202}, {100, 50}, 2, 1, {102, 52}}, // zooming out
        {{302, 302}, {10, 10}, 3, 2, {192, 192}},
        {{0, 0}, {0, 0}, 2, 3, {-1, -1}}, // on the frame: the scroll bars clamp it
    };
    for (const auto &k : keeps)
        EXPECT_EQ(ScrollKeepingPoint(k.inBox, k.inView, 2, k.oldZoom, k.newZoom), k.scroll)
            << k.inBox.x() << " " << k.oldZoom << "->" << k.newZoom;

    const QSize room(kRoomPictureWidth, kRoomViewHeight);
    const struct {
        QSize view;
        int zoom;
    } fits[] = {
        {{1300, 700}, 2}, {{1219, 700}, 1}, {{1220, 660}, 2},
        {{1828, 988}, 3}, {{1827, 988}, 2}, {{100, 100}, 1},
    };
    for (const auto &f : fits)
        EXPECT_EQ(FitZoom(room, 2, f.view, 3), f.zoom) << f.view.width() << "x" << f.view.height();
}

using WindowTest = MainWindowTest;

TEST_F(WindowTest, CtrlWheelZoomsAroundThePointerAndAPlainWheelDoesNot) {
    open(archive, pickRow(3));
    window().resize(600, 400);
    showActive();
    auto &area = Control<QScrollArea>(window(), QStringLiteral("ScrollBox1"));
    auto &box = Control<PaintBox>(window(), QStringLiteral("PaintBox1"));
    const auto turn = [&](QPoint inView, int angle, Qt::KeyboardModifiers keys) {
        QWheelEvent wheel(inView, area.viewport()->mapToGlobal(inView), {}, {0, angle},
                          Qt::NoButton, keys, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(area.viewport(), &wheel);
    };
    const QPoint pointer(150, 100);
    const QPointF underPointer = box.mapFrom(area.viewport(), QPointF(pointer));
    turn(pointer, 60, Qt::ControlModifier);
    EXPECT_EQ(box.zoom(), 1) << "half a notch";
    turn(pointer, 60, Qt::ControlModifier);
    ASSERT_EQ(box.zoom(), 2);
    const QPointF nowUnder = box.mapFrom(area.viewport(), QPointF(pointer));
    EXPECT_NEAR(nowUnder.x(), (underPointer.x() - 2) * 2 + 2, 1.0);
    EXPECT_NEAR(nowUnder.y(), (underPointer.y() - 2) * 2 + 2, 1.0);
    turn(pointer, 120, Qt::NoModifier);
    EXPECT_EQ(box.zoom(), 2);
    turn(pointer, -480, Qt::ControlModifier);
    EXPECT_EQ(box.zoom(), 1) << "no further than the smallest";
}

TEST_F(WindowTest, SizePlaceAndLayoutAreKeptForTheNextStart) {
    window().setGeometry(40, 50, 700, 420);
    showActive();
    window().close();
    program = std::make_unique<Program>(modals, programDir());
    RestoreWindowLayout(window(), QSize(820, 480));
    EXPECT_EQ(window().size(), QSize(700, 420));
}

TEST_F(WindowTest, TheFirstWindowShowsTheWholeRoomThePanelAndTheDocksOrFitsTheScreen) {
    // CTest runs this on the test platform's own screen and again on a wide one; a row is for one.
    const struct {
        const char *language;
        QSize screen;
    } cases[] = {
        {"magyar.ini", {1280, 1024}}, {"english.ini", {1280, 1024}}, {"english.ini", {800, 600}}};
    for (const auto &c : cases) {
        if (QGuiApplication::primaryScreen()->size() != c.screen)
            continue;
        program = std::make_unique<Program>(modals, programDir());
        program->LoadStartupSettings();
        chooseLanguage(c.language);
        RestoreWindowLayout(window(), window().size());
        open(archive, pickRow(3));
        showActive();
        QCoreApplication::processEvents();

        const auto &panel = Control<QWidget>(window(), QStringLiteral("Panel1"));
        const auto &count = Control<QLabel>(window(), QStringLiteral("ProblemCount"));
        const auto &area = Control<QScrollArea>(window(), QStringLiteral("ScrollBox1"));
        const auto &palette = Control<TilePalette>(window(), QStringLiteral("PaletteDock"));
        const std::string name = c.language + (" on " + std::to_string(c.screen.width()));
        EXPECT_TRUE(window().screen()->availableGeometry().contains(window().frameGeometry()))
            << name;
        EXPECT_LE(panel.mapTo(&window(), QPoint(panel.width(), 0)).x(), window().width()) << name;
        EXPECT_GE(count.width(), count.sizeHint().width()) << name;
        if (c.screen.width() < 1280) {
            EXPECT_LT(palette.width(), palette.widthFor(4)) << name << ": the docks give way";
            continue;
        }
        EXPECT_TRUE(QRect(QPoint(0, 0), area.viewport()->size())
                        .contains(QRect(area.widget()->pos(), area.widget()->size())))
            << name << ": the whole room";
        EXPECT_GE(palette.width(), palette.widthFor(4)) << name;
    }
}

// The documentation's picture, drawn on a screen narrower than the window: the window grows with
// the panel rather than squeezing the palette, and the picture is the window as shown.
TEST_F(WindowTest, TheScreenshotIsTheWindowAsDesignedOnceTheLevelIsOpen) {
    const QString file = QString::fromStdString(folder.file("shot.png"));
    window().show();
    const int designed = window().width();
    // As the program starts: the level opens first, then the picture is taken.
    QTimer::singleShot(0, &window(), [this] { open(archive, pickRow(3)); });
    SaveScreenshotAndQuit(window(), file);
    QEventLoop().exec();
    QCoreApplication::processEvents();
    EXPECT_GT(window().width(), designed) << "the window grew with the panel";
    EXPECT_TRUE(QImage(file) == window().grab().toImage().convertToFormat(QImage(file).format()));
}

TEST_F(WindowTest, TheEmptyViewOffersWhatToOpenAndGoesWhenALevelIs) {
    chooseLanguage("english.ini");
    auto &hint = Control<StartHint>(window(), QStringLiteral("StartHint"));
    EXPECT_TRUE(hint.isVisibleTo(&window()));
    EXPECT_TRUE(hint.text().contains(QStringLiteral("Open a level archive")));
    EXPECT_TRUE(hint.text().contains(QStringLiteral("href=\"sample\"")))
        << "the program folder has the sample archive";
    EXPECT_FALSE(hint.text().contains(QStringLiteral("recent:")));

    const struct {
        const char *name;
        const char *link;
        int id;
    } links[] = {
        {"open", "open", 2003},
        {"the sample archive", "sample", 2000},
        {"a recent level", "recent:1", 2003}, // the first archive, after the sample
    };
    for (const auto &l : links) {
        // As at a start without a level, with the recent levels so far.
        program = std::make_unique<Program>(modals, programDir());
        program->LoadStartupSettings();
        if (l.link == std::string("open")) {
            modals.fileAnswers.push_back(archive);
            modals.dialogScripts.push_back(pickRow(3));
        }
        emit Control<StartHint>(window(), QStringLiteral("StartHint"))
            .linkActivated(QLatin1String(l.link));
        EXPECT_TRUE(state().levelOpen) << l.name;
        EXPECT_EQ(window().shownLevel().value_or(RecentLevel{}).id, l.id) << l.name;
        EXPECT_FALSE(
            Control<StartHint>(window(), QStringLiteral("StartHint")).isVisibleTo(&window()))
            << l.name;
    }
}

TEST_F(WindowTest, ALevelNamedAtStartIsOpenedFromTheEventLoopWithNoHintMadeMeanwhile) {
    const struct {
        const char *name;
        QString path;
        bool opens;
    } starts[] = {
        {"an archive that opens", archive, true},
        {"an archive that is not there", archive + QStringLiteral(".gone"), false},
    };
    for (const auto &s : starts) {
        program = std::make_unique<Program>(modals, programDir());
        window().openArchiveSoon(s.path, 2003);
        program->LoadStartupSettings();
        auto &hint = Control<StartHint>(window(), QStringLiteral("StartHint"));
        EXPECT_TRUE(hint.text().isEmpty()) << s.name;
        EXPECT_FALSE(state().levelOpen) << s.name;
        QCoreApplication::processEvents();
        EXPECT_EQ(state().levelOpen, s.opens) << s.name;
        EXPECT_EQ(hint.isVisibleTo(&window()), !s.opens) << s.name;
        EXPECT_EQ(Control<QLabel>(window(), QStringLiteral("ProblemCount")).text().isEmpty(),
                  !s.opens)
            << s.name << ": the first level is checked";
    }
}

TEST(StartHintText, LinksOnlyToWhatIsThere) {
    MessageTexts texts;
    texts.setLines({QStringLiteral("hintopen=Open (%s)"), QStringLiteral("hintrecent=Recent:"),
                    QStringLiteral("hintsample=Sample"),
                    QStringLiteral("hinttitle=<Nothing> open")});
    const QString here = QStringLiteral(QV2_SOURCE_DIR "/README.md");
    const QString gone = QStringLiteral(QV2_SOURCE_DIR "/no such & file");
    const QString html =
        StartHintText(texts, QStringLiteral("Ctrl+O"), {{gone, 2001}, {here, 2002}}, false);
    EXPECT_TRUE(html.contains(QStringLiteral("&lt;Nothing&gt; open")));
    EXPECT_TRUE(html.contains(QStringLiteral(">Open (Ctrl+O)</a>")));
    EXPECT_TRUE(html.contains(QStringLiteral("href=\"recent:1\"")));
    EXPECT_FALSE(html.contains(QStringLiteral("recent:0"))) << "its archive is gone";
    EXPECT_FALSE(html.contains(QStringLiteral("sample")));
    EXPECT_TRUE(html.contains(QStringLiteral("Recent:")));
}

} // namespace
} // namespace qv2
