// main() of the GUI tests: one QApplication on the offscreen platform for all tests.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

QtMessageHandler g_previousHandler = nullptr;

// Modal dialogs on the offscreen platform report this harmless message; everything else passes.
void filterMessages(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    if (text.contains(QLatin1String("propagateSizeHints")))
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, text);
}

// User settings live in a folder of the tests' own, never the user's, and every test starts
// without any.
class FreshUserSettings : public ::testing::EmptyTestEventListener {
  public:
    explicit FreshUserSettings(QString folder) : m_folder(std::move(folder)) {}

  private:
    void OnTestStart(const ::testing::TestInfo &) override {
        QDir(m_folder).removeRecursively();
        QDir().mkpath(m_folder);
    }
    QString m_folder;
};

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    g_previousHandler = qInstallMessageHandler(filterMessages);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir settingsFolder;
    // Qt's file dialog keeps its own settings too.
    for (const auto format : {QSettings::IniFormat, QSettings::NativeFormat})
        QSettings::setPath(format, QSettings::UserScope, settingsFolder.path());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsFolder.path()));
    ::testing::UnitTest::GetInstance()->listeners().Append(
        new FreshUserSettings(settingsFolder.path()));
    if (QFontInfo(QFont()).family().isEmpty()) {
        std::fprintf(stderr, "No font is installed: text in pictures would be empty boxes.\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
