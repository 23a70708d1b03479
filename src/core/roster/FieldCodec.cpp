#include "core/roster/FieldCodec.h"

#include "core/edition/EditionProfile.h"
#include "core/roster/CellText.h"

#include <QCoreApplication>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(FieldCodec)
};

} // namespace

std::optional<int> DecodeChoice(const ColumnDescriptor& column, const Record& record)
{
    return column.choices ? column.choices->IndexOfCode(record[column.byte]) : std::nullopt;
}

int DecodeNumber(const ColumnDescriptor& column, const Record& record)
{
    return column.rule->decode(record, column.byte);
}

std::optional<int> DecodeColumn(const ColumnDescriptor& column, const Record& record)
{
    if (column.choices)
        return DecodeChoice(column, record);
    if (column.rule)
        return DecodeNumber(column, record);
    return std::nullopt;
}

int ShownValue(const ColumnDescriptor& column, int decoded)
{
    return column.kind == ColumnKind::Type ? decoded >> 4 : decoded;
}

Status EncodeColumn(const ColumnDescriptor& column, int value, Record& record)
{
    if (column.choices) {
        const std::optional<int> code =
            value >= 0 && value < kChoiceCount ? column.choices->codes[static_cast<std::size_t>(value)] : std::nullopt;
        if (!code)
            return Status::Failed(Text::tr("「%1」の %2 番目の選択肢はこの版にありません").arg(column.header).arg(value));
        record[column.byte] = static_cast<std::uint8_t>(*code & 0xFF);
        return Status::Ok();
    }
    if (!column.rule)
        return Status::Failed(Text::tr("「%1」は数値の列ではありません").arg(column.header));
    column.rule->encode(record, column.byte, value);
    return Status::Ok();
}

QString GridText(const EditionProfile& profile, const ColumnDescriptor& column, const Record& record, bool* suspect)
{
    if (column.isName())
        return profile.names.decode(record);
    if (column.choices) {
        const std::optional<int> choice = DecodeChoice(column, record);
        if (!choice && suspect)
            *suspect = true;
        return choice ? column.choices->texts[*choice] : QString();
    }
    const int value = DecodeNumber(column, record);
    if (value < 0 && suspect)
        *suspect = true;
    return DecimalText(ShownValue(column, value));
}

std::optional<int> DecodeField(RecordKind grid, int edition, const Record& record, ColumnKind kind)
{
    const ColumnDescriptor* column = ColumnOfKind(grid, edition, kind);
    return column ? DecodeColumn(*column, record) : std::nullopt;
}

Status EncodeField(RecordKind grid, int edition, int value, Record& record, ColumnKind kind)
{
    const ColumnDescriptor* column = ColumnOfKind(grid, edition, kind);
    if (!column)
        return Status::Failed(Text::tr("%1年版のこの表にはその列がありません").arg(edition));
    return EncodeColumn(*column, value, record);
}

} // namespace quindaro2
