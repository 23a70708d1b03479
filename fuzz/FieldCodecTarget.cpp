#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "core/edition/Edition.h"
#include "core/edition/EditionLayout.h"
#include "core/rom/Record.h"
#include "core/edition/ColumnTable.h"
#include "core/roster/FieldCodec.h"
#include "core/edition/NumberRules.h"

#include <array>
#include <limits>
#include <vector>

namespace quindaro2::fuzz {

namespace {

constexpr std::array<RecordKind, 3> kGrids{RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager};

// Every kind there is; each grid of each edition lacks some of them.
constexpr std::array kKinds{
    ColumnKind::Name,          ColumnKind::BattingSide, ColumnKind::PitchingForm, ColumnKind::BattingAverage,
    ColumnKind::HomeRuns,      ColumnKind::ShownAverage, ColumnKind::ShownHomeRuns, ColumnKind::Running,
    ColumnKind::Position,      ColumnKind::Fielding,    ColumnKind::Arm,          ColumnKind::EarnedRunAverage,
    ColumnKind::FastSpeed,     ColumnKind::AverageSpeed, ColumnKind::SlowSpeed,    ColumnKind::Stamina,
    ColumnKind::RightBreak,    ColumnKind::LeftBreak,   ColumnKind::Fork,         ColumnKind::Popularity,
    ColumnKind::Type,          ColumnKind::UniformNumber, ColumnKind::Uniform,
};

QString GridName(RecordKind grid)
{
    switch (grid) {
    case RecordKind::Batter: return QStringLiteral("batter");
    case RecordKind::Pitcher: return QStringLiteral("pitcher");
    case RecordKind::Manager: return QStringLiteral("manager");
    }
    return {};
}

QString Where(RecordKind grid, int edition, ColumnKind kind)
{
    return QStringLiteral("%1 %2 kind %3").arg(GridName(grid)).arg(edition).arg(static_cast<int>(kind));
}

QString Hex(const Record& record)
{
    QString text;
    for (int i = 0; i < kMaxRecordSize; ++i)
        text += QStringLiteral("%1 ").arg(record[i], 2, 16, QLatin1Char('0'));
    return text;
}

// The bytes a column's encoder may change: the 1986 and 1987 home runs keep
// their scale in the byte after the count, every other field is one byte.
int FieldWidth(const ColumnDescriptor& column)
{
    return column.rule == &rules::HomeRuns1986 || column.rule == &rules::HomeRuns1987 ? 2 : 1;
}

void RequireOnlyFieldChanged(RecordKind grid, int edition, const ColumnDescriptor& column, const Record& before,
                             const Record& after, int value)
{
    for (int i = 0; i < kMaxRecordSize; ++i) {
        if (i >= column.byte && i < column.byte + FieldWidth(column))
            continue;
        Require(before[i] == after[i], "an encoder changes only its own field's bytes",
                [&] { return QStringLiteral("%1 value %2 byte %3: %4 -> %5")
                    .arg(Where(grid, edition, column.kind))
                    .arg(value)
                    .arg(i)
                    .arg(Hex(before), Hex(after)); });
    }
}

void CheckDecoders(RecordKind grid, int edition, const Record& record)
{
    for (const ColumnKind kind : kKinds) {
        const std::optional<int> decoded = DecodeField(grid, edition, record, kind);
        const ColumnDescriptor* column = ColumnOfKind(grid, edition, kind);
        if (!column || (!column->choices && !column->rule)) {
            Require(!decoded, "a kind without a decoded field gives no value", [&] { return Where(grid, edition, kind); });
            continue;
        }
        Require(decoded || column->choices, "a number field always has a value", [&] { return Where(grid, edition, kind); });
        const int value = decoded.value_or(-1);
        if (!column->choices)
            continue;
        // The list position of the first text whose code is the byte, or -1.
        const ChoiceList& choices = *column->choices;
        const int byte = record[column->byte];
        int first = -1;
        for (int j = 0; j < kChoiceCount && first < 0; ++j) {
            if (choices.codes[static_cast<std::size_t>(j)] == byte)
                first = j;
        }
        Require(value == first, "the list column decodes to the first text with the byte's code",
                [&] { return QStringLiteral("%1 byte %2: %3, expected %4").arg(Where(grid, edition, kind)).arg(byte).arg(value).arg(first); });
    }
}

void CheckListEncoder(RecordKind grid, int edition, const ColumnDescriptor& column, const Record& record,
                      int j)
{
    Record written = record;
    const Status status = EncodeField(grid, edition, j, written, column.kind);
    RequireOnlyFieldChanged(grid, edition, column, record, written, j);
    const bool stored = j >= 0 && j < kChoiceCount && column.choices->codes[static_cast<std::size_t>(j)].has_value();
    Require(status.ok() == stored, "a list position is stored exactly when its encoder says so");
    if (!stored) {
        Require(written.bytes == record.bytes, "a list position without a code stores nothing",
                [&] { return QStringLiteral("%1 position %2").arg(Where(grid, edition, column.kind)).arg(j); });
        return;
    }
    const int code = *column.choices->codes[static_cast<std::size_t>(j)];
    const int read = DecodeField(grid, edition, written, column.kind).value_or(-1);
    Require(read >= 0 && column.choices->codes[static_cast<std::size_t>(read)] == code,
            "a stored list position reads back as a text with the same code",
            [&] { return QStringLiteral("%1 position %2 read %3").arg(Where(grid, edition, column.kind)).arg(j).arg(read); });
}

void CheckNumberEncoder(RecordKind grid, int edition, const ColumnDescriptor& column, const Record& record,
                        int value, std::uint16_t inRange)
{
    // Any value: the field's bytes change, nothing else, and nothing misbehaves.
    Record written = record;
    Require(EncodeField(grid, edition, value, written, column.kind).ok(), "a number column stores any value");
    RequireOnlyFieldChanged(grid, edition, column, record, written, value);

    // A value the edit dialog accepts reads back as at most the value and
    // within the range, and saving what was read changes no byte: opening and
    // saving a team again does not drift.
    if (!column.range)
        return;
    const ValueRange& range = *column.range;
    const int accepted = range.minimum + inRange % (range.maximum - range.minimum + 1);
    Record first = record;
    Require(EncodeField(grid, edition, accepted, first, column.kind).ok(), "a number column stores any value");
    const int read = DecodeField(grid, edition, first, column.kind).value();
    Require(read <= accepted && read >= range.minimum, "an accepted value reads back rounded down within its range",
            [&] { return QStringLiteral("%1: %2 -> %3 -> %4").arg(Where(grid, edition, column.kind)).arg(accepted).arg(Hex(first)).arg(read); });
    Record second = first;
    Require(EncodeField(grid, edition, read, second, column.kind).ok(), "a number column stores any value");
    Require(second.bytes == first.bytes, "writing a value read from an accepted one changes no byte",
            [&] { return QStringLiteral("%1: %2 -> %3 -> %4 -> %5")
                .arg(Where(grid, edition, column.kind))
                .arg(accepted)
                .arg(Hex(first))
                .arg(read)
                .arg(Hex(second)); });
}

void CheckEncoders(RecordKind grid, int edition, const Record& record, const std::vector<int>& values,
                   const std::vector<std::uint16_t>& inRange)
{
    const std::span<const ColumnDescriptor> columns = Columns(grid, edition);
    const int size = RecordSize(grid, edition).value_or(0);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const ColumnDescriptor& column = columns[c];
        if (column.isName())
            continue;
        Require(column.byte >= 1 && column.byte + FieldWidth(column) <= size, "a field lies inside its record",
                [&] { return Where(grid, edition, column.kind); });
        for (std::size_t v = 0; v < values.size(); ++v) {
            if (column.choices)
                CheckListEncoder(grid, edition, column, record, values[v]);
            else
                CheckNumberEncoder(grid, edition, column, record, values[v], inRange[v]);
        }
    }
    // A kind the grid lacks changes nothing.
    for (const ColumnKind kind : kKinds) {
        if (ColumnOfKind(grid, edition, kind))
            continue;
        for (const int value : values) {
            Record written = record;
            Require(!EncodeField(grid, edition, value, written, kind).ok(), "a kind the grid lacks is not stored");
            Require(written.bytes == record.bytes, "a kind the grid lacks changes nothing", [&] { return Where(grid, edition, kind); });
        }
    }
}

// The values handed to the encoders: small list positions and numbers near
// the fields' ranges as often as arbitrary 32-bit ones, the extremes included.
int ValueFrom(FuzzInput& input)
{
    switch (input.byte() % 4) {
    case 0: return static_cast<std::int8_t>(input.byte()) % 16;
    case 1: return static_cast<std::int16_t>(input.uint16());
    case 2: return input.byte() % 2 == 0 ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    default: return static_cast<std::int32_t>(input.uint32());
    }
}

} // namespace

int FuzzFieldCodec(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    Record record;
    record.size = kMaxRecordSize;
    for (int i = 0; i < kMaxRecordSize; ++i)
        record[i] = input.byte();
    std::vector<int> values;
    std::vector<std::uint16_t> inRange;
    do {
        values.push_back(ValueFrom(input));
        inRange.push_back(input.uint16());
    } while (!input.empty() && values.size() < 4);

    for (const RecordKind grid : kGrids) {
        // One year either side: no edition, so no field.
        for (int edition = kFirstEdition - 1; edition <= kLastEdition + 1; ++edition) {
            Record sized = record;
            sized.size = RecordSize(grid, edition).value_or(kMaxRecordSize);
            CheckDecoders(grid, edition, sized);
            CheckEncoders(grid, edition, sized, values, inRange);
        }
    }
    return 0;
}

} // namespace quindaro2::fuzz
