#pragma once

#include "text/message_texts.h"
#include "ui/modals.h"
#include "ui/number_entry.h"

namespace qv2 {

// What a dialog needs to take a typed number: the message texts and the message box of the
// number entry rule.
struct NumberInput {
    const MessageTexts &texts;
    Modals &modals;

    int read(const QString &text, int lo, int hi, int fallback, const QString &label) const {
        return ReadNumberInRange(text, lo, hi, fallback, label, texts, modals);
    }
};

} // namespace qv2
