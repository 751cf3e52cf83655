// qv2leved [ARCHIVE [ID]]: the level editor. With an archive it opens that level (2000 unless an
// id is given) as if it had been chosen in the file dialog and the level picker.
#include "app/command_line.h"
#include "app/screenshot_and_benchmark.h"
#include "app/startup.h"
#include "app/window_layout.h"
#include "ui/app_error.h"
#include "ui/deferred_icon.h"
#include "ui/deferred_icon_style.h"
#include "ui/widget_modals.h"
#include "view/picture_file.h"

#include <QIcon>
#include <QPixmap>

#include <algorithm>
#include <cstdio>

namespace {

QStringList RawArguments(int argc, char **argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Qt's own options are single-dash words (-style, -platform); ours are --words and single letters.
bool MayHoldQtOptions(const QStringList &arguments) {
    return std::any_of(arguments.begin() + 1, arguments.end(), [](const QString &argument) {
        return argument.size() > 2 && argument[0] == QLatin1Char('-') &&
               argument[1] != QLatin1Char('-');
    });
}

// The window's icon, drawn at build time into the program folder's icons/. Title bars and task
// bars draw it at 16 to 64 pixels; the larger pictures are for the desktop entry, which finds
// them installed in the icon theme, and decoding them would only delay the first room. Decoded
// when the platform first asks for it, which a desktop without window icons never does.
QIcon ApplicationIcon(const QString &programDir) {
    return qv2::DeferredIcon([programDir] {
        QIcon icon;
        for (int size : {16, 24, 32, 48, 64}) { // a missing file adds nothing
            const QImage picture = qv2::ReadPictureFile(
                programDir + QStringLiteral("icons/qv2leved_%1.png").arg(size), "png");
            if (!picture.isNull())
                icon.addPixmap(QPixmap::fromImage(picture));
        }
        return icon;
    });
}

// Prints help and version texts on stdout, usage errors on stderr.
int Answer(const qv2::CommandLine &line) {
    std::fputs(line.text.toLocal8Bit().constData(), line.status == 0 ? stdout : stderr);
    return line.status;
}

} // namespace

int main(int argc, char **argv) {
    // Help, version and usage errors are answered before the application exists, so they need no
    // display; only a line that may hold Qt's own options waits until the application has taken
    // them out.
    const QStringList raw = RawArguments(argc, argv);
    const bool qtOptions = MayHoldQtOptions(raw);
    const qv2::CommandLine early = qv2::ParseEditorCommandLine(raw);
    if (!early.run && (early.status == 0 || !qtOptions))
        return Answer(early);

    qv2::EditorApplication app(argc, argv);
    QApplication::setStyle(new qv2::DeferredIconStyle); // before any widget is made
    // Qt has taken its own options out of the line; a line without any is the one read already.
    const qv2::CommandLine line =
        qtOptions ? qv2::ParseEditorCommandLine(QCoreApplication::arguments()) : early;
    if (!line.run)
        return Answer(line);
    const qv2::EditorRun run = *line.run;

    const QString programDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    QGuiApplication::setDesktopFileName(QStringLiteral(QV2_APP_ID));
    QApplication::setWindowIcon(ApplicationIcon(programDir));

    qv2::WidgetModals modals;
    app.setModals(&modals);
    qv2::Program program(modals, programDir);
    modals.setParent(&program.mainWindow);
    modals.setTexts(&program.mainWindow.state().texts);
    if (!run.archive.isEmpty())
        program.mainWindow.openArchiveSoon(run.archive, run.id);
    program.LoadStartupSettings();
    qv2::QuitAfterFirstRoomPaintIfAsked(program.mainWindow);
    // A picture for the documentation has the designed size, whatever the user left.
    if (run.screenshot.isEmpty())
        qv2::RestoreWindowLayout(program.mainWindow, program.mainWindow.size());
    program.mainWindow.show();

    if (!run.screenshot.isEmpty())
        qv2::SaveScreenshotAndQuit(program.mainWindow, run.screenshot);
    return app.exec();
}
