#pragma once

#include "text/text_catalogue.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <type_traits>

namespace qv2 {

// A dialog made the first time a command needs it and kept from then on, so that start-up does
// not pay for windows the user may never open. It is made with the captions of the language in
// use, as if it had been there when that language was applied; `catchUp` then brings it to what
// it would have been told meanwhile.
template <class Dialog> class DialogOnDemand {
  public:
    DialogOnDemand(QWidget &parent, const std::optional<LanguageFile> &language,
                   std::function<void(Dialog &)> catchUp = {})
        : m_parent(parent), m_language(language), m_catchUp(std::move(catchUp)) {}

    Dialog &get() {
        if (!m_dialog) {
            m_dialog = std::make_unique<Dialog>(&m_parent);
            if constexpr (std::is_base_of_v<TextTarget, Dialog>) {
                if (m_language)
                    m_dialog->applyTexts(*m_language);
            }
            if (m_catchUp)
                m_catchUp(*m_dialog);
        }
        return *m_dialog;
    }

    // Nothing until it is first needed.
    Dialog *made() const { return m_dialog.get(); }

  private:
    QWidget &m_parent;
    const std::optional<LanguageFile> &m_language;
    std::function<void(Dialog &)> m_catchUp;
    std::unique_ptr<Dialog> m_dialog;
};

} // namespace qv2
