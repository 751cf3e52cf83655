#include "inspect/problems_dock.h"

#include "level/level_layout.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QStyleOptionHeader>
#include <QTreeWidget>

namespace qv2 {

namespace {

// Qt measures a header's titles in bold, for the headers that show the current column so; this
// one never does, and measuring in bold would load a second font just before the first paint. The
// titles get one margin more instead, about what the bold letters took.
class PlainHeader : public QHeaderView {
  public:
    explicit PlainHeader(QWidget *parent) : QHeaderView(Qt::Horizontal, parent) {
        setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

  protected:
    QSize sectionSizeFromContents(int logicalIndex) const override {
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.section = logicalIndex;
        option.text = model()->headerData(logicalIndex, orientation()).toString();
        const QSize size =
            style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this);
        return size + QSize(style()->pixelMetric(QStyle::PM_HeaderMargin, &option, this), 0);
    }
};

} // namespace

ProblemsDock::ProblemsDock(EditorState &state, Services &services, QWidget *parent)
    : QDockWidget(QString::fromUtf8("Hibák"), parent), m_state(state), m_services(services),
      m_list(new QTreeWidget(this)), m_count(new QLabel) {
    setObjectName(QStringLiteral("ProblemsDock"));
    toggleViewAction()->setObjectName(QStringLiteral("ShowProblems"));
    m_list->setObjectName(QStringLiteral("ProblemsList"));
    m_count->setObjectName(QStringLiteral("ProblemCount"));
    m_list->setHeader(new PlainHeader(m_list));
    m_list->setRootIsDecorated(false);
    m_list->setColumnCount(3);
    m_list->setHeaderLabels(
        {QString::fromUtf8("Hiba"), QString::fromUtf8("Pálya"), QString::fromUtf8("Hely")});
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    setWidget(m_list);
    // A double click and Return both activate a line.
    connect(m_list, &QTreeWidget::itemActivated, this, &ProblemsDock::jumpTo);
}

ProblemsDock::~ProblemsDock() {
    if (m_count && !m_count->parent())
        delete m_count;
}

void ProblemsDock::applyTexts(const LanguageFile &language) {
    const QString section = QStringLiteral("problems");
    setWindowTitle(language.text(section, QStringLiteral("title")));
    // Set after the title, which the dock copies into its action.
    toggleViewAction()->setText(language.text(section, QStringLiteral("menu")));
    m_list->setHeaderLabels(language.list(section, QStringLiteral("columns")));
}

void ProblemsDock::check() {
    m_list->clear();
    if (!m_state.levelOpen) {
        m_count->clear();
        return;
    }
    m_listing = ListRuleReports(m_state.level, RuleScriptPath(m_state.programDir), m_state.texts);
    if (m_listing.failure) {
        new QTreeWidgetItem(m_list, {*m_listing.failure});
        m_count->setText(m_state.texts.text(QStringLiteral("problemfault")));
        return;
    }
    for (std::size_t i = 0; i < m_listing.reports.size(); ++i) {
        const RuleReport &report = m_listing.reports[i];
        auto *item = new QTreeWidgetItem(m_list, {m_listing.messages[static_cast<qsizetype>(i)],
                                                  QString::number(report.room),
                                                  QString::number(report.place)});
        item->setData(0, Qt::UserRole, static_cast<int>(i));
    }
    // The line that says the script stopped at the limit.
    if (m_listing.lines.size() > static_cast<qsizetype>(m_listing.reports.size()))
        new QTreeWidgetItem(m_list, {m_listing.lines.last()});
    m_count->setText(FormatMessage(m_state.texts.text(QStringLiteral("problemcount")),
                                   static_cast<int>(m_listing.reports.size())));
}

int ProblemsDock::heightFor(int lines) const {
    // A line is as high as the list draws a line of text, with its margins.
    const int line = m_list->fontMetrics().height() + 4;
    const int title = sizeHint().height() - m_list->sizeHint().height();
    return title + m_list->header()->sizeHint().height() + lines * line + 2 * m_list->frameWidth();
}

void ProblemsDock::jumpTo(QTreeWidgetItem *item) {
    const QVariant index = item->data(0, Qt::UserRole);
    if (!index.isValid() || !m_state.levelOpen)
        return;
    const RuleReport &report = m_listing.reports[static_cast<std::size_t>(index.toInt())];
    m_state.room = report.room;
    m_state.row = report.place / kColumns;
    m_state.column = report.place % kColumns;
    m_services.refreshRoom();
}

} // namespace qv2
