#include "app/start_hint.h"

#include "text/message_texts.h"

#include <QDir>
#include <QFileInfo>

namespace qv2 {

namespace {

const char *const kRecentLink = "recent:";

QString Link(const QString &target, const QString &text) {
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(target, text.toHtmlEscaped());
}

} // namespace

QString StartHintText(const MessageTexts &texts, const QString &openKeys,
                      const std::vector<RecentLevel> &recent, bool sampleThere) {
    const auto text = [&texts](const char *key) { return texts.text(QString::fromLatin1(key)); };
    QString html =
        QStringLiteral("<p><b>%1</b></p><p>%2</p>")
            .arg(text("hinttitle").toHtmlEscaped(),
                 Link(QStringLiteral("open"), FormatMessage(text("hintopen"), openKeys)));
    QStringList levels;
    for (std::size_t i = 0; i < recent.size(); ++i) {
        if (QFileInfo(recent[i].path).isFile())
            levels.append(Link(QLatin1String(kRecentLink) + QString::number(i),
                               QStringLiteral("%1 \u2013 %2")
                                   .arg(QDir::toNativeSeparators(recent[i].path))
                                   .arg(recent[i].id)));
    }
    if (!levels.isEmpty())
        html += QStringLiteral("<p>%1<br>%2</p>")
                    .arg(text("hintrecent").toHtmlEscaped(), levels.join(QStringLiteral("<br>")));
    if (sampleThere)
        html += QStringLiteral("<p>%1</p>").arg(Link(QStringLiteral("sample"), text("hintsample")));
    return html;
}

StartHint::StartHint(QWidget &view) : QLabel(&view) {
    setObjectName(QStringLiteral("StartHint"));
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::TextBrowserInteraction);
    setMargin(16);
    connect(this, &QLabel::linkActivated, this, &StartHint::follow);
}

void StartHint::showHint(const MessageTexts &texts, const QString &openKeys,
                         const std::vector<RecentLevel> &recent, bool sampleThere) {
    m_recent = recent;
    setText(StartHintText(texts, openKeys, recent, sampleThere));
    adjustSize();
    show();
}

void StartHint::follow(const QString &link) {
    if (link == QLatin1String("open")) {
        emit openChosen();
    } else if (link == QLatin1String("sample")) {
        emit sampleChosen();
    } else if (link.startsWith(QLatin1String(kRecentLink))) {
        const std::size_t index = link.mid(QLatin1String(kRecentLink).size()).toUInt();
        if (index < m_recent.size())
            emit recentChosen(m_recent[index]);
    }
}

} // namespace qv2
