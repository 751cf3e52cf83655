#include "text/comma_text.h"

namespace qv2 {

namespace {

bool isBlank(QChar ch) {
    return ch.unicode() <= 0x20;
}

} // namespace

QStringList SplitCommaText(const QString &text) {
    QStringList items;
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < n && isBlank(text[i]))
            ++i;
    };

    skipBlanks();
    while (i < n) {
        QString item;
        if (text[i] == u'"') {
            // A quoted item runs to the matching quote; "" inside it is one quote. An unclosed
            // quote takes the rest of the text.
            ++i;
            while (i < n) {
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        item.append(u'"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item.append(text[i++]);
            }
        } else {
            const qsizetype start = i;
            while (i < n && !isBlank(text[i]) && text[i] != u',')
                ++i;
            item = text.mid(start, i - start);
        }
        items.append(item);

        skipBlanks();
        if (i < n && text[i] == u',') {
            ++i;
            // A comma at the very end still closes an (empty) item.
            if (i == n)
                items.append(QString());
            skipBlanks();
        }
    }
    return items;
}

} // namespace qv2
