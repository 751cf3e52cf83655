#pragma once

#include "ui/modals.h"

class QWidget;

namespace qv2 {

// The real dialogs: message boxes, the input prompt, file dialogs and QDialog::exec.
class WidgetModals : public Modals {
public:
    explicit WidgetModals(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    void message(const QString &text) override;
    bool askYesNo(const QString &caption, const QString &text) override;
    std::optional<QString> inputLine(const QString &caption, const QString &prompt,
                                     const QString &preset) override;
    std::optional<QString> chooseFile(QFileDialog &dialog) override;
    bool run(QDialog &dialog) override;

private:
    QWidget *m_parent;
};

} // namespace qv2
