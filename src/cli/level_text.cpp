#include "cli/level_text.h"

#include "cli/level_fields.h"
#include "cli/level_json.h"

#include <functional>
#include <ostream>

namespace qv2 {

namespace {

class TextWriter {
  public:
    TextWriter(const LevelStore &level, const QStringList &tileNames, std::ostream &out)
        : m_level(level), m_tileNames(tileNames), m_out(out) {}

    void number(FieldKey key, std::size_t offset, int width) { numbers(key, offset, 1, width); }
    void numbers(FieldKey key, std::size_t offset, int count, int width) {
        QString values;
        for (int i = 0; i < count; ++i) {
            values += (i ? QStringLiteral(" ") : QString()) +
                      QString::number(NumberAt(m_level, offset + i * width, width));
        }
        line(key, values);
    }
    void tile(FieldKey key, std::size_t offset) {
        const int kind = m_level.byte(offset);
        const QString name = UniqueTileName(m_tileNames, kind);
        line(key, name.isEmpty() ? QString::number(kind) : name);
    }
    void group(FieldKey key, const std::function<void()> &fields) {
        m_path.push(key);
        fields();
        m_path.pop();
    }
    void list(FieldKey key, int count, const std::function<void(int)> &items) {
        m_path.push(key);
        for (int i = 0; i < count; ++i)
            items(i);
        m_path.pop();
    }
    void rest(FieldKey key, std::size_t offset) { line(key, RestAsHex(m_level, offset)); }

  private:
    void line(FieldKey key, const QString &value) {
        m_path.push(key);
        m_out << m_path.text().toStdString() << " = " << value.toStdString() << '\n';
        m_path.pop();
    }

    const LevelStore &m_level;
    const QStringList &m_tileNames;
    std::ostream &m_out;
    FieldPath m_path;
};

} // namespace

void WriteLevelText(const LevelStore &level, const QStringList &tileNames, std::ostream &out) {
    TextWriter writer(level, tileNames, out);
    MapLevel(writer);
}

} // namespace qv2
