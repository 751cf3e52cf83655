#include "app/command_line.h"

#include "ui/number_entry.h"

#include <QCommandLineParser>

namespace qv2 {

namespace {

constexpr int kUsageError = 2;

} // namespace

CommandLine ParseEditorCommandLine(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Level editor for Qasvar 2. With ARCHIVE it opens level ID (2000 unless "
                       "given) of that archive at once."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and ends."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and ends."));
    QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                  QStringLiteral("Writes a picture of the main window and ends."),
                                  QStringLiteral("FILE"));
    screenshot.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({help, version, screenshot});
    parser.addPositionalArgument(QStringLiteral("ARCHIVE"),
                                 QStringLiteral("The level archive (qasvar.dat) to open."),
                                 QStringLiteral("[ARCHIVE"));
    parser.addPositionalArgument(QStringLiteral("ID"),
                                 QStringLiteral("The level's resource id, 1..65535."),
                                 QStringLiteral("[ID]]"));

    // Made only when shown. The parser names the program by its path, or by a placeholder before
    // the application exists; the launcher's name is what the user typed.
    const auto helpText = [&parser] {
        QString text = parser.helpText();
        const QString usage = QStringLiteral("Usage: ");
        const qsizetype options = text.indexOf(QStringLiteral(" [options]"));
        if (text.startsWith(usage) && options > usage.size())
            text.replace(usage.size(), options - usage.size(), QStringLiteral("qv2leved"));
        return text;
    };
    const auto usageError = [&](const QString &why) {
        return CommandLine{std::nullopt, kUsageError,
                           QStringLiteral("qv2leved: %1\n\n%2").arg(why, helpText())};
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help))
        return {std::nullopt, 0, helpText()};
    if (parser.isSet(version))
        return {std::nullopt, 0, QStringLiteral("qv2leved %1\n").arg(QStringLiteral(QV2_VERSION))};

    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 2)
        return usageError(QStringLiteral("too many arguments"));
    EditorRun run;
    run.screenshot = parser.value(screenshot);
    if (!positional.isEmpty())
        run.archive = positional[0];
    if (positional.size() == 2) {
        const std::optional<std::int32_t> id = ParseNumber(positional[1]);
        if (!id || *id < 1 || *id > 0xFFFF)
            return usageError(QStringLiteral("the level id must be a number 1..65535"));
        run.id = static_cast<std::uint16_t>(*id);
    }
    return {run, 0, {}};
}

} // namespace qv2
