#include "app/tool_actions.h"

#include "app/action_icons.h"
#include "view/paint_box.h"
#include "view/room_tools.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolBar>

namespace qv2 {

namespace {

QAction *MakeAction(QObject *parent, const char *name, const char *caption, Qt::Key key) {
    auto *action = new QAction(QString::fromUtf8(caption), parent);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(QKeySequence(key));
    return action;
}

} // namespace

ToolActions::ToolActions(QWidget &window, RoomToolbox &tools, PaintBox &view, QMenu &menu,
                         QToolBar &toolBar)
    : QObject(&window), m_tools(tools),
      m_select(MakeAction(&window, "SelectTool", "Kijelölés", Qt::Key_S)),
      m_paint(MakeAction(&window, "PaintTool", "Festés", Qt::Key_B)),
      m_fill(MakeAction(&window, "FillTool", "Kitöltés", Qt::Key_G)),
      m_fillArea(MakeAction(&window, "FillArea", "Kijelölt elemek kitöltése", Qt::Key_F)),
      m_dropArea(MakeAction(&window, "DropArea", "Kijelölés megszüntetése", Qt::Key_Escape)) {
    const std::array<QIcon, kToolIconCount> icons = MakeToolIcons();
    auto *group = new QActionGroup(this);
    const std::pair<QAction *, ToolKind> kinds[] = {
        {m_select, ToolKind::Select}, {m_paint, ToolKind::Paint}, {m_fill, ToolKind::Fill}};
    for (std::size_t i = 0; i < std::size(kinds); ++i) {
        QAction *action = kinds[i].first;
        action->setCheckable(true);
        action->setIcon(icons[i]);
        group->addAction(action);
        menu.addAction(action);
        toolBar.addAction(action);
        connect(action, &QAction::triggered, this,
                [this, kind = kinds[i].second] { m_tools.setTool(kind); });
    }
    m_select->setChecked(true);
    menu.addSeparator();
    menu.addAction(m_fillArea);
    menu.addAction(m_dropArea);
    // Only from the room view: in a field F is a letter and Esc leaves the field alone.
    for (QAction *action : {m_fillArea, m_dropArea}) {
        action->setShortcutContext(Qt::WidgetShortcut);
        view.addAction(action);
    }
    connect(m_fillArea, &QAction::triggered, this, [this] { fillArea(m_tools.target()); });
    connect(m_dropArea, &QAction::triggered, this, [this] {
        ToolTarget &target = m_tools.target();
        if (!target.state.area)
            return;
        target.state.area.reset();
        target.services.refreshRoom();
    });
}

void ToolActions::applyTexts(const LanguageFile &language) {
    const QString section = QStringLiteral("tools");
    const std::pair<QAction *, const char *> captions[] = {{m_select, "select"},
                                                           {m_paint, "paint"},
                                                           {m_fill, "fill"},
                                                           {m_fillArea, "fillarea"},
                                                           {m_dropArea, "droparea"}};
    for (const auto &[action, key] : captions)
        action->setText(language.text(section, QString::fromLatin1(key)));
}

} // namespace qv2
