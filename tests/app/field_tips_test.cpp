// The toolbar's fields say what they hold, in the tooltip, the status line and to a screen reader.
#include "main_window_fixture.h"
#include "support/find_control.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>
#include <QStatusTipEvent>

namespace qv2 {
namespace {

using FieldTipsTest = MainWindowTest;

TEST_F(FieldTipsTest, ToolbarFieldsNameWhatTheyHoldAndTheirRange) {
    for (const char *language : {"english.ini", "magyar.ini"}) {
        chooseLanguage(language);
        const struct {
            const char *control;
            const char *inName;
            const char *inTip;
        } cases[] = {
            {"ComboBox1", "", "2C"}, {"Edit1", "1", "255"}, {"Edit2", "2", "255"},
            {"Edit3", "3", "255"},   {"Edit4", "4", "255"},
        };
        QStringList names;
        for (const auto &c : cases) {
            QWidget &field = Control(window(), QLatin1String(c.control));
            SCOPED_TRACE(std::string(language) + " " + c.control);
            EXPECT_FALSE(field.accessibleName().isEmpty());
            EXPECT_TRUE(field.accessibleName().contains(QLatin1String(c.inName)));
            EXPECT_TRUE(field.toolTip().contains(QLatin1String(c.inTip)));
            EXPECT_EQ(field.statusTip(), field.toolTip());
            names.append(field.accessibleName());
        }
        names.removeDuplicates();
        EXPECT_EQ(names.size(), 5) << "each field its own name";
    }
}

TEST_F(FieldTipsTest, ATipStandsInTheStatusLineOnlyWhileHovered) {
    open(archive, pickRow(3));
    QStatusBar &line = *window().statusBar();
    const QString roomLine = line.currentMessage();
    ASSERT_FALSE(roomLine.isEmpty());
    const auto hover = [&](const QString &tip) {
        QStatusTipEvent event(tip);
        QCoreApplication::sendEvent(&window(), &event);
    };
    hover(QString());
    EXPECT_EQ(line.currentMessage(), roomLine) << "a menu entry without a tip wipes nothing";
    hover(QStringLiteral("tip A"));
    hover(QStringLiteral("tip B"));
    EXPECT_EQ(line.currentMessage(), QStringLiteral("tip B"));
    hover(QString());
    EXPECT_EQ(line.currentMessage(), roomLine) << "the line under the first tip comes back";

    hover(QStringLiteral("tip A"));
    state().room = 1;
    window().refreshRoom(); // the refresh writes a newer line while the tip is shown
    const QString newer = line.currentMessage();
    hover(QString());
    EXPECT_EQ(line.currentMessage(), newer);
    EXPECT_NE(newer, roomLine);
}

} // namespace
} // namespace qv2
