#include "editors/background_editor.h"

#include "text/comma_text.h"
#include "ui/fixed_dialog.h"
#include "ui/modals.h"
#include "view/paint_box.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>

namespace qv2 {

namespace {

constexpr int kMargin = 8;

} // namespace

BackgroundEditor::BackgroundEditor(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm7"));
    setWindowTitle(QStringLiteral("Form7"));
    SetFixedDialogFlags(*this);

    m_pictureView = new PaintBox(this);
    m_pictureView->setGeometry(kMargin, kMargin, kBackgroundPictureWidth, kBackgroundPictureHeight);
    m_pictureView->setPicture(&m_picture);
    // Unlike the room view, this picture takes the focus: the arrow keys choose its tile.
    m_pictureView->setFocusPolicy(Qt::StrongFocus);

    m_names = new QComboBox(this);
    m_names->setObjectName(QStringLiteral("ComboBox1"));
    const int namesTop = m_pictureView->geometry().bottom() + 1 + kMargin;
    m_names->setGeometry(kMargin, namesTop, kBackgroundPictureWidth, m_names->sizeHint().height());

    const int buttonsTop = m_names->geometry().bottom() + 1 + kMargin;
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("Button1"));
    m_ok->setGeometry(kMargin, buttonsTop, 97, 27);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QString::fromUtf8("Mégse"), this);
    m_cancel->setObjectName(QStringLiteral("Button2"));
    m_cancel->setGeometry(kMargin + 104, buttonsTop, 97, 27);

    connect(m_pictureView, &PaintBox::pressed, this, [this](QPoint at) {
        if (const std::optional<int> place = BackgroundPlaceAt(at))
            selectTile(*place);
    });
    // A user's choice only: filling the list sets its index too.
    connect(m_names, &QComboBox::activated, this, &BackgroundEditor::choosePicture);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(kBackgroundPictureWidth + 2 * kMargin, buttonsTop + 27 + kMargin);
}

void BackgroundEditor::fill(const LevelStore &level, int room, const IniFile &list,
                            const MessageTexts &texts) {
    m_background = ReadRoomBackground(level, room);
    m_list = list;
    m_selected.reset();
    m_names->clear();
    m_names->addItems(
        SplitCommaText(texts.text(list.value(QStringLiteral("bg"), QStringLiteral("c")))));
    m_names->setCurrentIndex(-1);
    // The built-in captions stay where the language file has no text for them.
    const auto follow = [&texts](auto setter, const char *key) {
        if (const QString text = texts.text(QString::fromLatin1(key)); !text.isEmpty())
            setter(text);
    };
    follow([this](const QString &t) { setWindowTitle(t); }, "dinback");
    follow([this](const QString &t) { m_ok->setText(t); }, "dinOK");
    follow([this](const QString &t) { m_cancel->setText(t); }, "dinCancel");
    m_pictureView->setFocus();
    redraw();
}

void BackgroundEditor::keyPressEvent(QKeyEvent *event) {
    if (focusWidget() != m_pictureView) {
        QDialog::keyPressEvent(event);
        return;
    }
    int right = 0;
    int down = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        right = -1;
        break;
    case Qt::Key_Right:
        right = 1;
        break;
    case Qt::Key_Up:
        down = -1;
        break;
    case Qt::Key_Down:
        down = 1;
        break;
    default:
        QDialog::keyPressEvent(event);
        return;
    }
    // The first arrow shows the selection on the first tile.
    if (!m_selected) {
        selectTile(0);
        return;
    }
    const int row = std::clamp(*m_selected / kColumns + down, 0, kRows - 1);
    const int column = std::clamp(*m_selected % kColumns + right, 0, kColumns - 1);
    selectTile(row * kColumns + column);
}

void BackgroundEditor::selectTile(int place) {
    m_selected = place;
    const int picture = m_background.pictures[place];
    m_names->setCurrentIndex(picture < m_names->count() ? picture : -1);
    redraw();
}

void BackgroundEditor::choosePicture(int index) {
    if (!m_selected || index < 0)
        return;
    m_background.pictures[*m_selected] = static_cast<std::uint8_t>(index);
    redraw();
}

void BackgroundEditor::redraw() {
    m_picture = DrawRoomBackground(m_background, m_list, m_selected);
    m_pictureView->update();
}

void editBackground(EditorState &state, Services &services, BackgroundEditor &dialog) {
    if (!state.levelOpen)
        return;
    dialog.fill(state.level, state.room, state.background, state.texts);
    if (!services.modals.run(dialog))
        return;
    bool changed = false;
    for (int place = 0; place < kTilesPerRoom; ++place) {
        const std::size_t offset =
            TileAttributeAt(state.room, place / kColumns, place % kColumns, 2);
        if (dialog.background().pictures[place] != state.level.byte(offset)) {
            state.level.setByte(offset, dialog.background().pictures[place]);
            changed = true;
        }
    }
    if (changed)
        services.refreshRoom();
}

} // namespace qv2
