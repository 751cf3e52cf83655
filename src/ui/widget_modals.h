#pragma once

#include "ui/modals.h"

class QWidget;

namespace qv2 {

class MessageTexts;

// The real dialogs: message boxes, the input prompt, file dialogs and QDialog::exec.
class WidgetModals : public Modals {
  public:
    explicit WidgetModals(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    // The standard buttons take their captions from these texts (dinOK, dinCancel, yes, no,
    // savechanges, discardchanges, overwrite);
    // without them, or for an empty text, Qt's own captions stay.
    void setTexts(const MessageTexts *texts) { m_texts = texts; }

    void message(const QString &text) override;
    bool askYesNo(const QString &caption, const QString &text) override;
    bool askOverwrite(const QString &caption, const QString &text) override;
    UnsavedAnswer askUnsaved(const QString &caption, const QString &text) override;
    std::optional<QString> inputLine(const QString &caption, const QString &prompt,
                                     const QString &preset) override;
    std::optional<QString> chooseFile(QFileDialog &dialog) override;
    bool run(QDialog &dialog) override;

  private:
    class Above;
    QString caption(const char *key) const;
    // A question whose safe answer, the default, is the second button.
    bool askBeforeActing(const QString &caption, const QString &text, const char *actKey,
                         const char *keepKey);

    QWidget *m_parent;
    const MessageTexts *m_texts = nullptr;
};

} // namespace qv2
