#include "ui/runtime_dialog.h"

#include "level/level_store.h"
#include "text/message_texts.h"
#include "ui/exit_line_edit.h"
#include "ui/fixed_dialog.h"
#include "ui/modals.h"
#include "ui/number_entry.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>

#include <algorithm>

namespace qv2 {

namespace {

constexpr int kGridHeight = 400;
constexpr int kGridButtonsTop = 340;
constexpr int kListHeight = 200;
constexpr int kListButtonsTop = 140;
constexpr QRect kScrollBox(10, 40, 300, 290);
constexpr QRect kListBox(10, 10, 300, 120);
constexpr int kOkLeft = 10;
constexpr int kCancelLeft = 100;
// Inside the scroll box: headers on top, row labels at the left, boxes one pitch apart.
constexpr int kFirstBoxLeft = 120;
constexpr int kFirstBoxTop = 40;
constexpr int kHeaderTop = 10;
constexpr int kRowLabelLeft = 10;
constexpr int kPitch = 32;
constexpr int kBoxWidth = 32;
constexpr int kLabelGap = 6;
constexpr int kMargin = 10;

QPushButton *addButton(QDialog &dialog, const char *key, const QString &text, QPoint at) {
    auto *button = new QPushButton(text, &dialog);
    button->setObjectName(QString::fromLatin1(key));
    button->move(at);
    button->resize(button->sizeHint());
    return button;
}

QLabel *addLabel(QWidget &parent, const QString &name, const QString &text, QPoint at, int height) {
    auto *label = new QLabel(text, &parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->move(at);
    label->resize(label->sizeHint().width(), height);
    return label;
}

} // namespace

RuntimeDialog::RuntimeDialog(const MessageTexts &texts, const QString &captionKey, int height,
                             int buttonsTop)
    : m_texts(texts) {
    setObjectName(QStringLiteral("dinDialog"));
    setWindowTitle(texts.text(captionKey));
    SetFixedDialogFlags(*this);
    m_ok = addButton(*this, "dinOK", texts.text(QStringLiteral("dinOK")), {kOkLeft, buttonsTop});
    m_ok->setDefault(true);
    m_cancel = addButton(*this, "dinCancel", texts.text(QStringLiteral("dinCancel")),
                         {kCancelLeft, buttonsTop});
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(kWidth, height);
}

void RuntimeDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    // The buttons were made first, so the tab cycle runs through the command's controls in the
    // order they were made and then through the buttons; it starts at the command's first control.
    QWidget *first = m_cancel->nextInFocusChain();
    while (first != this && !(first->focusPolicy() & Qt::TabFocus))
        first = first->nextInFocusChain();
    if (first == this)
        return;
    FocusWithTextSelected(*first, Qt::TabFocusReason);
}

GridDialog::GridDialog(const MessageTexts &texts, const QString &captionKey)
    : RuntimeDialog(texts, captionKey, kGridHeight, kGridButtonsTop) {
    m_gridArea = new QScrollArea(this);
    m_gridArea->setObjectName(QStringLiteral("dinScrollBox"));
    m_gridArea->setGeometry(kScrollBox);
    // The boxes take the focus; the scroll box follows it to the box that has it.
    m_gridArea->setFocusPolicy(Qt::NoFocus);
    m_gridArea->setWidget(new QWidget);
}

void GridDialog::addGrid(const QStringList &headers, const QStringList &rowLabels,
                         Numbering numbering) {
    QWidget &grid = *m_gridArea->widget();
    const int boxHeight = QLineEdit().sizeHint().height();
    // The boxes stand at fixed places unless labels are wider: then they move right, and the
    // columns apart, so that no label runs into a box or another label.
    int firstLeft = kFirstBoxLeft;
    for (int row = 0; row < rowLabels.size(); ++row) {
        const QLabel *label =
            addLabel(grid, QStringLiteral("dinRowLabel%1").arg(row), rowLabels[row],
                     {kRowLabelLeft, kFirstBoxTop + kPitch * row}, boxHeight);
        firstLeft = std::max(firstLeft, label->geometry().right() + 1 + kLabelGap);
    }
    std::vector<QLabel *> headerLabels;
    int pitch = kPitch;
    for (int column = 0; column < headers.size(); ++column) {
        headerLabels.push_back(addLabel(grid, QStringLiteral("dinHeader%1").arg(column),
                                        headers[column], {}, boxHeight));
        pitch = std::max(pitch, headerLabels.back()->width() + kLabelGap);
    }
    for (int column = 0; column < headers.size(); ++column)
        headerLabels[column]->move(firstLeft + pitch * column, kHeaderTop);
    // Created in numbering order, which makes it the tab order.
    const int boxes = static_cast<int>(headers.size() * rowLabels.size());
    for (int box = 0; box < boxes; ++box) {
        const Cell cell = numbering(box);
        // Selected whole when reached, as every number field is.
        auto *edit = new ExitLineEdit(&grid);
        edit->setObjectName(QStringLiteral("dinEdit%1").arg(box));
        edit->setGeometry(firstLeft + pitch * cell.column, kFirstBoxTop + kPitch * cell.row,
                          kBoxWidth, boxHeight);
        m_boxes.push_back(edit);
    }
    int width = 0;
    int height = 0;
    for (const QWidget *child : grid.findChildren<QWidget *>()) {
        width = std::max(width, child->geometry().right() + 1 + kMargin);
        height = std::max(height, child->geometry().bottom() + 1 + kMargin);
    }
    grid.resize(width, height);
}

void GridDialog::showBytes(const LevelStore &level, std::size_t first) {
    for (std::size_t box = 0; box < m_boxes.size(); ++box)
        m_boxes[box]->setText(QString::number(level.byte(first + box)));
}

void GridDialog::storeBytes(LevelStore &level, std::size_t first, Modals &modals) const {
    for (std::size_t box = 0; box < m_boxes.size(); ++box) {
        const int value = ReadNumberInRange(m_boxes[box]->text(), 0, 255, level.byte(first + box),
                                            QString(), m_texts, modals);
        level.setByte(first + box, static_cast<std::uint8_t>(value));
    }
}

ListDialog::ListDialog(const MessageTexts &texts, const QString &captionKey,
                       const QStringList &lines)
    : RuntimeDialog(texts, captionKey, kListHeight, kListButtonsTop) {
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("dinListBox"));
    m_list->setGeometry(kListBox);
    m_list->addItems(lines);
    m_list->setCurrentRow(0);
    // A double click on a line is the quick way to choose it.
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

std::optional<int> ListDialog::selectedLine() const {
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return m_list->row(selected.first());
}

std::optional<int> ChooseLine(const MessageTexts &texts, const QString &captionKey,
                              const QStringList &lines, Modals &modals) {
    ListDialog dialog(texts, captionKey, lines);
    if (!modals.run(dialog))
        return std::nullopt;
    return dialog.selectedLine();
}

} // namespace qv2
