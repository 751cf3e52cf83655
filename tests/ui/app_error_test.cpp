#include "ui/app_error.h"

#include "ui/modals.h"

#include <QEvent>
#include <QObject>

#include <gtest/gtest.h>

#include <functional>

namespace qv2 {
namespace {

class RecordingModals : public Modals {
  public:
    QStringList messages;
    void message(const QString &text) override { messages.append(text); }
    bool askYesNo(const QString &, const QString &) override { return false; }
    UnsavedAnswer askUnsaved(const QString &, const QString &) override {
        return UnsavedAnswer::Cancel;
    }
    std::optional<QString> inputLine(const QString &, const QString &, const QString &) override {
        return std::nullopt;
    }
    std::optional<QString> chooseFile(QFileDialog &) override { return std::nullopt; }
    bool run(QDialog &) override { return false; }
};

// A receiver whose event handler does whatever the test asks, as a command would.
class Thrower : public QObject {
  public:
    std::function<void()> action;
    bool event(QEvent *) override {
        action();
        return true;
    }
};

// This test owns the one application object of its process (it does not use the GUI test main).
TEST(EditorApplication, ErrorsStopAtTheEventBoundaryAndAreShown) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "app_error_test";
    char *argv[] = {name, nullptr};
    EditorApplication app(argc, argv);
    RecordingModals modals;
    app.setModals(&modals);

    Thrower receiver;
    QEvent event(QEvent::User);
    receiver.action = [] { throw AppError(QStringLiteral("Nem tölthető be: images/left.bmp")); };
    EXPECT_NO_THROW(QCoreApplication::sendEvent(&receiver, &event));
    receiver.action = [] { throw std::runtime_error("bad file"); };
    EXPECT_NO_THROW(QCoreApplication::sendEvent(&receiver, &event));
    receiver.action = [] {};
    EXPECT_NO_THROW(QCoreApplication::sendEvent(&receiver, &event));

    EXPECT_EQ(modals.messages,
              QStringList({QStringLiteral("Nem tölthető be: images/left.bmp"), "bad file"}));
}

} // namespace
} // namespace qv2
