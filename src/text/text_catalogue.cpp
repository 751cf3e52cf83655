#include "text/text_catalogue.h"

#include "text/comma_text.h"
#include "text/message_texts.h"

#include <QFile>

namespace qv2 {

QStringList LanguageFile::list(const QString &section, const QString &key) const {
    return SplitCommaText(text(section, key));
}

QString ReadLanguageName(const QString &programDir) {
    // The start-up file is read as plain name=value lines: a section header is just a line
    // without a value.
    const QStringList lines = ReadTextFileLines(programDir + QStringLiteral("texts/Qv2LevEd.ini"));
    return FindLineValue(lines, QStringLiteral("lang")).value_or(QString());
}

QString LanguageFilePath(const QString &programDir, const QString &languageName) {
    return programDir + QStringLiteral("texts/") + languageName;
}

std::optional<LanguageFile> ReadLanguageFile(const QString &path) {
    const std::optional<QStringList> lines = ReadTextFile(path);
    if (!lines)
        return std::nullopt;
    return LanguageFile(IniFile::fromLines(*lines));
}

LanguageFile BuiltInLanguage() {
    // A resource, which only Qt's own files can read.
    QFile file(QStringLiteral(":/builtin/magyar.ini"));
    QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const bool utf8 = TakeUtf8Mark(bytes);
    return LanguageFile(IniFile::fromText(DecodeTextBytes(bytes, utf8)));
}

void ApplyLanguageFile(const LanguageFile &language, const std::vector<TextTarget *> &targets,
                       MessageTexts &texts) {
    for (TextTarget *target : targets)
        target->applyTexts(language);
    texts.setLines(language.sectionLines(QStringLiteral("texts")));
}

} // namespace qv2
