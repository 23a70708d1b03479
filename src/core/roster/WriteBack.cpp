#include "core/roster/WriteBack.h"

#include "core/edition/EditionProfile.h"
#include "core/roster/CellText.h"
#include "core/roster/FieldCodec.h"

#include <QCoreApplication>

#include <tuple>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(WriteBack)
};

Result<Record> Refused(const QString& reason)
{
    return Result<Record>::Failed(reason);
}

} // namespace

QStringList RecordCells(const EditionProfile& profile, RecordKind kind, const Record& record)
{
    QStringList cells;
    for (const ColumnDescriptor& column : profile.columns(kind))
        cells << GridText(profile, column, record);
    return cells;
}

namespace {

// One pass of the rule: each cell whose text differs from what the stored
// bytes read as is encoded into them.
Result<Record> Rebuild(const EditionProfile& profile, RecordKind kind, const Record& stored, const QStringList& cells)
{
    const std::span<const ColumnDescriptor> columns = profile.columns(kind);
    const QStringList storedCells = RecordCells(profile, kind, stored);
    const auto changed = [&](int c) { return c > 0 && cells.value(c - 1) != storedCells.value(c - 1); };

    int positionColumn = 0;
    profile.columnOfKind(kind, ColumnKind::Position, &positionColumn);
    int typeColumn = 0;
    const bool typeHoldsPosition = kind == RecordKind::Batter && profile.columnOfKind(kind, ColumnKind::Type, &typeColumn);
    // The 1991 type shares its byte with the fielding position: a new value
    // of either needs a position that is a whole number.
    const QString positionText = cells.value(positionColumn - 1);
    const std::optional<int> position = StrictInteger(positionText);
    if (typeHoldsPosition && (changed(positionColumn) || changed(typeColumn)) && !position)
        return Refused(Text::tr("'%1' は数値ではありません").arg(positionText));

    Record record = stored;
    for (int c = 1; c <= static_cast<int>(columns.size()); ++c) {
        if (!changed(c))
            continue;
        const ColumnDescriptor& column = columns[static_cast<std::size_t>(c - 1)];
        const QString& text = cells[c - 1];
        if (column.isName()) {
            if (!profile.names.encode(text, record))
                return Refused(Text::tr("名前「%1」には、この版の名前に使えない文字があります").arg(text));
            continue;
        }
        if (column.choices) {
            // Nothing is stored for a text the edition has no code for, as the
            // empty text of a byte that matched none: the slot keeps its byte.
            std::ignore = EncodeColumn(column, column.choices->IndexOfText(text), record);
            continue;
        }
        const std::optional<int> number = StrictInteger(text);
        if (!number)
            return Refused(Text::tr("'%1' は数値ではありません").arg(text));
        std::int64_t value = *number;
        if (column.kind == ColumnKind::Type && typeHoldsPosition)
            value = *position + 16 * value;
        else if (column.kind == ColumnKind::Type)
            value = 16 * value + 1;
        // The arithmetic is 32-bit: only the low 8 bits of the sum are stored.
        if (const Status encoded = EncodeColumn(column, static_cast<int>(value), record); !encoded)
            return Refused(encoded.reason());
    }
    return record;
}

} // namespace

Result<Record> WriteBackRecord(const EditionProfile& profile, RecordKind kind, const Record& stored, const QStringList& cells)
{
    const Result<Record> encoded = Rebuild(profile, kind, stored, cells);
    if (!encoded)
        return encoded;
    // A cell whose new bytes read as the stored ones do (a value the record
    // could not keep as entered, stored as what the file held) keeps those.
    return Rebuild(profile, kind, stored, RecordCells(profile, kind, encoded.value()));
}

} // namespace quindaro2
