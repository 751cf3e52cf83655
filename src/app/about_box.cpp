#include "app/about_box.h"

#include "text/message_texts.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv2 {

QStringList AboutLines(const MessageTexts &texts, const QString &programTitle,
                       const QString &programDir, const QString &settingsFile) {
    const auto text = [&texts](const char *key) { return texts.text(QString::fromLatin1(key)); };
    return {programTitle,
            FormatMessage(text("aboutversion"), QStringLiteral(QV2_VERSION)),
            text("aboutcopyright"),
            text("aboutlicence"),
            FormatMessage(text("aboutfolder"), QDir::toNativeSeparators(programDir)),
            FormatMessage(text("aboutsettings"), QDir::toNativeSeparators(settingsFile))};
}

AboutBox::AboutBox(QWidget &parent, const MessageTexts &texts, const QStringList &lines)
    : QDialog(&parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(texts.text(QStringLiteral("abouttitle")));
    auto *layout = new QVBoxLayout(this);
    for (int i = 0; i < lines.size(); ++i) {
        auto *label = new QLabel(lines[i], this);
        label->setObjectName(QStringLiteral("AboutLine%1").arg(i));
        // The paths are there to be copied.
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        if (i == 0) {
            QFont font = label->font();
            font.setBold(true);
            font.setPointSizeF(font.pointSizeF() * 1.4);
            label->setFont(font);
        }
        layout->addWidget(label);
        // The name and version first, then who may do what, then the paths.
        if (i == 1 || i == 3)
            layout->addSpacing(label->fontMetrics().height() / 2);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(texts.text(QStringLiteral("dinOK")));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace qv2
