#include "TextGridTeam.h"

#include "core/roster/FieldCodec.h"
#include "core/roster/GridFill.h"

#include <tuple>

namespace quindaro2::test {

namespace {

// The cell as the grids read it: its leading integer, 0 when there is none.
int LeadingNumber(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

} // namespace

TextGridTeam::TextGridTeam(const EditionProfile& profile, const RomImage& image, int team)
    : profile_(profile), team_(team)
{
    const TeamView view = FillTeam(profile, image, team);
    batters_ = view.BatterGrid;
    pitchers_ = view.PitcherGrid;
    manager_ = view.VisorGrid;
    helmet_ = view.HelmetColorCode;
    uniform_ = view.UniformColorCode;
}

TextGrid& TextGridTeam::grid(RecordKind kind)
{
    return kind == RecordKind::Batter ? batters_ : kind == RecordKind::Pitcher ? pitchers_ : manager_;
}

const TextGrid& TextGridTeam::grid(RecordKind kind) const
{
    return const_cast<TextGridTeam*>(this)->grid(kind);
}

void TextGridTeam::setCell(RecordKind kind, int column, int row, const QString& text)
{
    grid(kind).setCell(column, row, text);
}

void TextGridTeam::moveRow(RecordKind kind, int from, int to)
{
    grid(kind).moveRow(from, to);
}

void TextGridTeam::setColor(TeamColor color, int code)
{
    (color == TeamColor::Helmet ? helmet_ : uniform_) = code;
}

std::optional<Record> TextGridTeam::rebuilt(RecordKind kind, int slot, const Record& stored) const
{
    const std::span<const ColumnDescriptor> columns = profile_.columns(kind);
    const TextGrid& cells = grid(kind);
    int positionColumn = 0;
    profile_.columnOfKind(kind, ColumnKind::Position, &positionColumn);
    int typeColumn = 0;
    const bool typeHoldsPosition = kind == RecordKind::Batter && profile_.columnOfKind(kind, ColumnKind::Type, &typeColumn);
    const int row = slot + 1;
    Record record = stored;
    const auto changed = [&](int c) {
        return cells.cell(c, row) != GridText(profile_, columns[static_cast<std::size_t>(c - 1)], stored);
    };
    bool wholePosition = false;
    const int position = cells.cell(positionColumn, row).toInt(&wholePosition);
    if (typeHoldsPosition && (changed(positionColumn) || changed(typeColumn)) && !wholePosition)
        return std::nullopt;
    for (int c = 1; c <= static_cast<int>(columns.size()); ++c) {
        const ColumnDescriptor& column = columns[static_cast<std::size_t>(c - 1)];
        const QString& text = cells.cell(c, row);
        if (!changed(c))
            continue;
        if (column.isName()) {
            if (!profile_.names.encode(text, record))
                return std::nullopt;
            continue;
        }
        if (column.choices) {
            std::ignore = EncodeColumn(column, column.choices->IndexOfText(text), record);
            continue;
        }
        std::int64_t value = LeadingNumber(text);
        if (column.kind == ColumnKind::Type && typeHoldsPosition)
            value = position + 16 * value;
        else if (column.kind == ColumnKind::Type)
            value = 16 * value + 1;
        std::ignore = EncodeColumn(column, static_cast<int>(value), record);
    }
    return record;
}

void TextGridTeam::showStored(const RomImage& image)
{
    for (const RecordKind kind : {RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager}) {
        for (int slot = 0; slot < profile_.slots(kind); ++slot) {
            const RecordRead read = image.record(profile_, kind, team_, slot);
            const std::optional<Record> record = read.complete() ? rebuilt(kind, slot, read.record) : std::nullopt;
            if (!record)
                continue;
            for (int c = 1; c <= static_cast<int>(profile_.columns(kind).size()); ++c)
                grid(kind).setCell(c, slot + 1, GridText(profile_, *profile_.column(kind, c), *record));
        }
    }
}

std::optional<RomImage> TextGridTeam::writeBack(RomImage image) const
{
    for (const RecordKind kind : {RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager}) {
        for (int slot = 0; slot < profile_.slots(kind); ++slot) {
            const RecordRead read = image.record(profile_, kind, team_, slot);
            if (!read.complete())
                return std::nullopt;
            const std::optional<Record> record = rebuilt(kind, slot, read.record);
            if (!record || !image.setRecord(profile_, kind, team_, slot, *record))
                return std::nullopt;
        }
    }
    if (!image.setColors(profile_, team_, {static_cast<std::uint8_t>(helmet_ & 0xFF), static_cast<std::uint8_t>(uniform_ & 0xFF)}))
        return std::nullopt;
    return image;
}

} // namespace quindaro2::test
