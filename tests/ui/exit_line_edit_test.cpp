#include "ui/exit_line_edit.h"

#include <QCoreApplication>
#include <QFocusEvent>

#include <gtest/gtest.h>

namespace qv2 {
namespace {

// Leaving the field stores its value; a menu, a popup or another program taking the focus for a
// while does not.
TEST(ExitLineEdit, ExitsOnlyWhenTheUserLeavesTheField) {
    struct Case {
        const char *name;
        Qt::FocusReason reason;
        bool exits;
    };
    const Case cases[] = {
        {"click elsewhere", Qt::MouseFocusReason, true},
        {"tab", Qt::TabFocusReason, true},
        {"focus taken by code", Qt::OtherFocusReason, true},
        {"another program", Qt::ActiveWindowFocusReason, false},
        {"menu or popup", Qt::PopupFocusReason, false},
    };
    for (const Case &c : cases) {
        ExitLineEdit edit;
        int exits = 0;
        QObject::connect(&edit, &ExitLineEdit::exited, [&] { ++exits; });
        QFocusEvent event(QEvent::FocusOut, c.reason);
        QCoreApplication::sendEvent(&edit, &event);
        EXPECT_EQ(exits, c.exits ? 1 : 0) << c.name;
    }
}

} // namespace
} // namespace qv2
