#include "core/import/CsvFields.h"

#include <QCoreApplication>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CsvFields)
};

constexpr char16_t kQuote = u'"';
constexpr char16_t kComma = u',';

} // namespace

Result<QStringList> SplitFields(const QString& line)
{
    QStringList fields;
    const qsizetype end = line.size();
    qsizetype at = 0;
    for (;;) {
        QString field;
        if (at < end && line[at] == kQuote) {
            for (++at;; ++at) {
                if (at >= end)
                    return Result<QStringList>::Failed(Text::tr("引用符 \" が閉じていません"));
                if (line[at] != kQuote) {
                    field += line[at];
                } else if (at + 1 < end && line[at + 1] == kQuote) {
                    field += kQuote;
                    ++at;
                } else {
                    break;
                }
            }
            ++at;
            if (at < end && line[at] != kComma)
                return Result<QStringList>::Failed(Text::tr("閉じた引用符 \" の後にコンマ以外の文字があります"));
        } else {
            qsizetype comma = line.indexOf(kComma, at);
            if (comma < 0)
                comma = end;
            field = line.mid(at, comma - at);
            at = comma;
        }
        fields << field;
        if (at >= end)
            break;
        ++at;  // past the comma
    }
    while (!fields.isEmpty() && fields.back().isEmpty())
        fields.removeLast();
    return fields;
}

} // namespace quindaro2
