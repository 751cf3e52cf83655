#include "cli/drawing_setup.h"

#include "cli/command_setup.h"

#include <QBuffer>
#include <QGuiApplication>

#include <cstdio>

namespace qv2 {

namespace {

QtMessageHandler g_passOn = nullptr;

// Choosing the platform looks for the user's runtime folder, which a service or a cron job has
// not got, and Qt warns about it. qv2lev draws offscreen and needs no such folder, so that one
// warning is dropped; every other message is passed on as before.
void DropRuntimeFolderWarning(QtMsgType type, const QMessageLogContext &context,
                              const QString &message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: ")) &&
        message.contains(QLatin1String("runtime"), Qt::CaseInsensitive))
        return;
    if (g_passOn)
        g_passOn(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

std::unique_ptr<QCoreApplication> EnsureDrawingApplication() {
    if (QCoreApplication::instance())
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    g_passOn = qInstallMessageHandler(DropRuntimeFolderWarning);
    auto application = EnsureApplication<QGuiApplication>();
    qInstallMessageHandler(g_passOn);
    return application;
}

Bytes PngBytes(const QImage &picture) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return Bytes(png.begin(), png.end());
}

} // namespace qv2
