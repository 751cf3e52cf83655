#include "cli/level_json.h"

#include "cli/level_fields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSet>

#include <cmath>
#include <functional>
#include <variant>

namespace qv2 {

namespace {

// Builds the JSON value of each field from the level's bytes.
class JsonWriter {
  public:
    JsonWriter(const LevelStore &level, const QStringList &tileNames)
        : m_level(level), m_tileNames(tileNames) {
        m_frames.emplace_back(QJsonObject());
    }

    void number(FieldKey key, std::size_t offset, int width) {
        put(key, NumberAt(m_level, offset, width));
    }
    void numbers(FieldKey key, std::size_t offset, int count, int width) {
        QJsonArray values;
        for (int i = 0; i < count; ++i)
            values.append(NumberAt(m_level, offset + i * width, width));
        put(key, values);
    }
    void tile(FieldKey key, std::size_t offset) {
        const int kind = m_level.byte(offset);
        const QString name = UniqueTileName(m_tileNames, kind);
        put(key, name.isEmpty() ? QJsonValue(kind) : QJsonValue(name));
    }
    void group(FieldKey key, const std::function<void()> &fields) {
        m_frames.emplace_back(QJsonObject());
        fields();
        finish(key);
    }
    void list(FieldKey key, int count, const std::function<void(int)> &items) {
        m_frames.emplace_back(QJsonArray());
        for (int i = 0; i < count; ++i)
            items(i);
        finish(key);
    }
    void rest(FieldKey key, std::size_t offset) { put(key, RestAsHex(m_level, offset)); }

    QJsonObject result() const { return std::get<QJsonObject>(m_frames.front()); }

  private:
    using Frame = std::variant<QJsonObject, QJsonArray>;

    void put(FieldKey key, const QJsonValue &value) {
        if (key.name)
            std::get<QJsonObject>(m_frames.back()).insert(QLatin1String(key.name), value);
        else
            std::get<QJsonArray>(m_frames.back()).append(value);
    }
    void finish(FieldKey key) {
        const Frame done = std::move(m_frames.back());
        m_frames.pop_back();
        std::visit([&](const auto &value) { put(key, value); }, done);
    }

    const LevelStore &m_level;
    const QStringList &m_tileNames;
    std::vector<Frame> m_frames;
};

// Checks each field of the JSON and writes it into a fresh level image. After the first fault it
// does nothing more, so the fault reported is the first one in the dump's order.
class JsonReader {
  public:
    JsonReader(const QJsonObject &json, const QStringList &tileNames)
        : m_tileNames(tileNames), m_bytes(kFullLevelSize, 0), m_writers(kFullLevelSize) {
        m_frames.push_back({json, {}});
    }

    void number(FieldKey key, std::size_t offset, int width) {
        storeNumber(take(key), offset, width);
        m_path.pop();
    }
    void numbers(FieldKey key, std::size_t offset, int count, int width) {
        list(key, count, [&](int i) { number(i, offset + i * width, width); });
    }
    // A name of the tile list or, like any byte, a number.
    void tile(FieldKey key, std::size_t offset) {
        const QJsonValue value = take(key);
        if (!value.isString()) {
            storeNumber(value, offset, 1);
        } else if (const int kind = KindNamed(value.toString()); kind >= 0) {
            store(offset, static_cast<std::uint32_t>(kind), 1);
        } else {
            fail(QStringLiteral("\"%1\" is not a tile kind of the language file (a number "
                                "0..255 is taken as well)")
                     .arg(value.toString()));
        }
        m_path.pop();
    }
    void group(FieldKey key, const std::function<void()> &fields) {
        const QJsonValue value = take(key);
        if (!failed() && !value.isObject())
            fail(QStringLiteral("must be an object"));
        if (!failed()) {
            m_frames.push_back({value, {}});
            fields();
            checkNoOtherFields();
            m_frames.pop_back();
        }
        m_path.pop();
    }
    void list(FieldKey key, int count, const std::function<void(int)> &items) {
        const QJsonValue value = take(key);
        if (!failed() && (!value.isArray() || value.toArray().size() != count))
            fail(QStringLiteral("must be a list of %1 items").arg(count));
        if (!failed()) {
            m_frames.push_back({value, {}});
            for (int i = 0; i < count && !failed(); ++i)
                items(i);
            m_frames.pop_back();
        }
        m_path.pop();
    }
    void rest(FieldKey key, std::size_t) {
        const QJsonValue value = take(key);
        const QByteArray hex = value.toString().toLatin1();
        const bool valid = value.isString() && hex.size() % 2 == 0 &&
                           std::all_of(hex.begin(), hex.end(), [](char c) {
                               return std::isxdigit(static_cast<unsigned char>(c));
                           });
        if (!failed() && !valid)
            fail(QStringLiteral("must be a text of hex digits, two per byte"));
        if (!failed()) {
            const QByteArray tail = QByteArray::fromHex(hex);
            m_bytes.insert(m_bytes.end(), tail.begin(), tail.end());
        }
        m_path.pop();
    }

    LevelFromJson result() {
        checkNoOtherFields();
        if (failed())
            return {{}, m_error};
        return {std::move(m_bytes), {}};
    }

  private:
    struct Frame {
        QJsonValue value;
        QSet<QString> seen; // names of the object's fields that the walk asked for
    };

    bool failed() const { return !m_error.isEmpty(); }
    void fail(const QString &what) {
        if (!failed())
            m_error = m_path.text() + QStringLiteral(": ") + what;
    }

    // The field's value, with its name pushed onto the path (the caller pops it).
    QJsonValue take(FieldKey key) {
        m_path.push(key);
        if (failed())
            return {};
        Frame &frame = m_frames.back();
        if (!key.name)
            return frame.value.toArray().at(key.index);
        const QString name = QLatin1String(key.name);
        frame.seen.insert(name);
        const QJsonObject object = frame.value.toObject();
        if (!object.contains(name))
            fail(QStringLiteral("missing"));
        return object.value(name);
    }

    void checkNoOtherFields() {
        if (failed())
            return;
        const Frame &frame = m_frames.back();
        for (const QString &name : frame.value.toObject().keys()) {
            if (!frame.seen.contains(name)) {
                const QString where = m_path.text();
                m_error = (where.isEmpty() ? name : where + QLatin1Char('.') + name) +
                          QStringLiteral(": not a field of a level");
                return;
            }
        }
    }

    int KindNamed(const QString &name) const {
        const qsizetype kind = m_tileNames.indexOf(name);
        return kind >= 0 && UniqueTileName(m_tileNames, static_cast<int>(kind)) == name
                   ? static_cast<int>(kind)
                   : -1;
    }

    void storeNumber(const QJsonValue &value, std::size_t offset, int width) {
        const std::uint32_t max = width == 2 ? 0xFFFF : 0xFF;
        const double number = value.toDouble(-1);
        if (!value.isDouble() || number != std::floor(number) || number < 0 || number > max)
            fail(QStringLiteral("must be a whole number from 0 to %1").arg(max));
        else
            store(offset, static_cast<std::uint32_t>(number), width);
    }

    // Two fields may name the same byte (a room's last coming-guard byte is the next room's
    // count): they must then agree, or the level would depend on which one is written last.
    void store(std::size_t offset, std::uint32_t value, int width) {
        if (failed())
            return;
        for (int i = 0; i < width; ++i) {
            const auto byte = static_cast<std::uint8_t>(value >> (8 * i));
            QString &writer = m_writers[offset + i];
            if (!writer.isEmpty() && m_bytes[offset + i] != byte) {
                fail(QStringLiteral("is the same level byte as %1 and must have the same value")
                         .arg(writer));
                return;
            }
            m_bytes[offset + i] = byte;
            writer = m_path.text();
        }
    }

    const QStringList &m_tileNames;
    Bytes m_bytes;
    std::vector<QString> m_writers; // the path of the field that wrote each byte
    std::vector<Frame> m_frames;
    FieldPath m_path;
    QString m_error;
};

// A string of JSON text, quotes included, as the text it stands for.
QString JsonString(const QByteArray &token) {
    if (!token.contains('\\'))
        return QString::fromUtf8(token.mid(1, token.size() - 2));
    return QJsonDocument::fromJson('[' + token + ']').array().at(0).toString();
}

// The path of the first key that an object of the JSON text holds twice ("rooms[2].type"), empty
// when there is none. The parser keeps one of two equal keys without a word, so a hand-merge
// leftover would go unnoticed. The text must already have been read as valid JSON.
QString RepeatedKey(const QByteArray &text) {
    struct Container {
        QString path;
        bool object = false;
        bool keyNext = false; // in an object, the next string is a key
        QSet<QString> keys;
        QString key;   // the last key of an object
        int index = 0; // the current item of a list
    };
    const auto join = [](const QString &path, const QString &key) {
        return path.isEmpty() ? key : path + QLatin1Char('.') + key;
    };
    std::vector<Container> open;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            const qsizetype start = i;
            for (++i; i < text.size() && text[i] != '"'; ++i)
                i += text[i] == '\\';
            if (open.empty() || !open.back().keyNext)
                continue;
            Container &object = open.back();
            const QString key = JsonString(text.mid(start, i + 1 - start));
            if (object.keys.contains(key))
                return join(object.path, key);
            object.keys.insert(key);
            object.key = key;
            object.keyNext = false;
        } else if (c == '{' || c == '[') {
            QString path;
            if (!open.empty())
                path = open.back().object
                           ? join(open.back().path, open.back().key)
                           : open.back().path + QStringLiteral("[%1]").arg(open.back().index);
            open.push_back({path, c == '{', c == '{', {}, {}, 0});
        } else if ((c == '}' || c == ']') && !open.empty()) {
            open.pop_back();
        } else if (c == ',' && !open.empty()) {
            open.back().keyNext = open.back().object;
            open.back().index += !open.back().object;
        }
    }
    return {};
}

} // namespace

QString UniqueTileName(const QStringList &tileNames, int kind) {
    if (kind >= tileNames.size() || tileNames[kind].isEmpty() ||
        tileNames.count(tileNames[kind]) != 1)
        return {};
    return tileNames[kind];
}

QJsonObject LevelToJson(const LevelStore &level, const QStringList &tileNames) {
    JsonWriter writer(level, tileNames);
    MapLevel(writer);
    return writer.result();
}

LevelFromJson JsonToLevel(const QJsonObject &json, const QStringList &tileNames) {
    JsonReader reader(json, tileNames);
    MapLevel(reader);
    return reader.result();
}

LevelFromJson JsonTextToLevel(const QByteArray &text, const QStringList &tileNames) {
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parsed);
    if (parsed.error != QJsonParseError::NoError)
        return {{},
                QStringLiteral("not JSON (%1 at byte %2)")
                    .arg(parsed.errorString())
                    .arg(parsed.offset)};
    if (!document.isObject())
        return {{}, QStringLiteral("not a level: the JSON must be an object")};
    if (const QString key = RepeatedKey(text); !key.isEmpty())
        return {{}, key + QStringLiteral(": given twice (a field is given once)")};
    return JsonToLevel(document.object(), tileNames);
}

} // namespace qv2
