#include "app/shortcut_list.h"

#include "text/message_texts.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <set>

namespace qv2 {

namespace {

QString KeysOf(const QAction &action) {
    QStringList keys;
    for (const QKeySequence &key : action.shortcuts())
        keys.append(key.toString(QKeySequence::NativeText));
    return keys.join(QStringLiteral(", "));
}

void AddMenuRows(const QMenu &menu, const QString &path, std::set<const QAction *> &seen,
                 std::vector<ShortcutRow> &rows) {
    for (const QAction *action : menu.actions()) {
        if (action->menu()) {
            AddMenuRows(*action->menu(), path + action->iconText() + QStringLiteral(" > "), seen,
                        rows);
        } else if (!action->shortcuts().isEmpty() && seen.insert(action).second) {
            rows.push_back({path + action->iconText(), KeysOf(*action)});
        }
    }
}

} // namespace

std::vector<ShortcutRow> ShortcutRows(const QWidget &window, const QMenuBar &menuBar) {
    std::vector<ShortcutRow> rows;
    std::set<const QAction *> seen;
    for (const QAction *title : menuBar.actions()) {
        if (title->menu())
            AddMenuRows(*title->menu(), title->iconText() + QStringLiteral(" > "), seen, rows);
    }
    for (const QAction *action : window.findChildren<QAction *>(Qt::FindDirectChildrenOnly)) {
        if (!action->shortcuts().isEmpty() && seen.insert(action).second)
            rows.push_back({action->iconText(), KeysOf(*action)});
    }
    return rows;
}

bool ShortcutMatches(const ShortcutRow &row, const QString &search) {
    const QString text = row.command + QLatin1Char(' ') + row.keys;
    const QStringList words = search.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return std::all_of(words.begin(), words.end(), [&text](const QString &word) {
        return text.contains(word, Qt::CaseInsensitive);
    });
}

ShortcutList::ShortcutList(QWidget &parent, const std::vector<ShortcutRow> &rows,
                           const MessageTexts &texts)
    : QDialog(&parent), m_rows(rows), m_list(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("ShortcutList"));
    setWindowTitle(texts.text(QStringLiteral("keystitle")));
    auto *search = new QLineEdit(this);
    search->setObjectName(QStringLiteral("ShortcutSearch"));
    search->setPlaceholderText(texts.text(QStringLiteral("keyssearch")));
    search->setClearButtonEnabled(true);
    auto *searchLabel = new QLabel(texts.text(QStringLiteral("keysfind")), this);
    searchLabel->setBuddy(search);

    m_list->setObjectName(QStringLiteral("ShortcutTable"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels(
        {texts.text(QStringLiteral("keyscommand")), texts.text(QStringLiteral("keyskeys"))});
    for (const ShortcutRow &row : m_rows)
        new QTreeWidgetItem(m_list, {row.command, row.keys});
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(texts.text(QStringLiteral("close")));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(search, 1);
    layout->addLayout(searchRow);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    connect(search, &QLineEdit::textChanged, this, &ShortcutList::filter);
    search->setFocus(); // typing searches at once
    const int width = m_list->header()->length() + 40;
    resize(std::max(width, 420), 480);
}

void ShortcutList::filter(const QString &search) {
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        m_list->topLevelItem(i)->setHidden(
            !ShortcutMatches(m_rows[static_cast<std::size_t>(i)], search));
}

} // namespace qv2
