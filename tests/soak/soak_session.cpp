#include "soak_session.h"

#include "level/level_layout.h"
#include "text/text_catalogue.h"
#include "view/background_list.h"

#include <QCoreApplication>
#include <QEvent>

#include <iterator>

namespace soak {

Session::Session(std::uint32_t seed, const QString &programDir, qv2::LevelStore level)
    : services{modals, [this] { qv2::UpdateRoomWidgets(state, m_widgets); }, &history},
      history(state, [this] { services.refreshRoom(); }),
      panel(panelHost, state, services), m_widgets{m_picture,
                                                   m_roomView,
                                                   m_tileKinds,
                                                   {&m_attributeFields[0], &m_attributeFields[1],
                                                    &m_attributeFields[2], &m_attributeFields[3]},
                                                   m_statusBar,
                                                   panel},
      m_random(seed) {
    // The state after opening the level, in the English texts.
    const qv2::LanguageFile language(qv2::IniFile::load(programDir + "texts/english.ini"));
    state.texts.setLines(language.sectionLines(QStringLiteral("texts")));
    m_tileKinds.addItems(language.list(QStringLiteral("main"), QStringLiteral("tiles")));
    state.programDir = programDir;
    state.level = std::move(level);
    state.background = qv2::LoadBackgroundList(programDir, state.level);
    state.room = state.level.byte(qv2::kStartRoomOffset);
    state.levelOpen = true;
    services.refreshRoom();
}

QString Session::typedNumber(int lo, int hi, std::optional<int> &value) {
    value.reset();
    if (chance(85)) {
        const int number = lo + below(hi - lo + 1);
        value = number;
        const QString blanks(below(3), u' ');
        const QString hex = QString::number(number, 16);
        switch (below(5)) {
        case 0:
            return blanks + u'$' + hex;
        case 1:
            return blanks + QStringLiteral("0X") + hex.toUpper();
        case 2:
            return blanks + u'x' + hex;
        case 3:
            return blanks + u'+' + QString::number(number);
        default:
            return blanks + QString::number(number);
        }
    }
    const QString refused[] = {
        QString::number(hi + 1), QString::number(lo - 1),      QString(),
        QStringLiteral("12 "),   QStringLiteral("1 2"),        QStringLiteral("0x"),
        QStringLiteral("-$5"),   QStringLiteral("99999999999")};
    return refused[below(static_cast<int>(std::size(refused)))];
}

void Session::deleteReplacedControls() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace soak
