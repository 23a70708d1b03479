#include "core/roster/FieldCodec.h"

#include "core/rom/NameCodec.h"
#include "core/roster/CellText.h"

namespace quindaro2 {

int DecodeColumn(const ColumnDescriptor& column, const Record& record)
{
    if (column.choices)
        return column.choices->IndexOfCode(record[column.byte]).value_or(-1);
    if (column.rule)
        return column.rule->decode(record, column.byte);
    return -1;
}

int ShownValue(const ColumnDescriptor& column, int decoded)
{
    return column.kind == ColumnKind::Type ? decoded >> 4 : decoded;
}

void EncodeColumn(const ColumnDescriptor& column, int value, Record& record)
{
    if (column.choices) {
        if (value < 0 || value >= kChoiceCount)
            return;
        if (const std::optional<int> code = column.choices->codes[static_cast<std::size_t>(value)])
            record[column.byte] = static_cast<std::uint8_t>(*code & 0xFF);
        return;
    }
    if (column.rule)
        column.rule->encode(record, column.byte, value);
}

QString GridText(int edition, const ColumnDescriptor& column, const Record& record, bool* suspect)
{
    if (column.isName())
        return DecodeName(edition, record);
    const int value = DecodeColumn(column, record);
    if (value < 0 && suspect)
        *suspect = true;
    if (column.choices)
        return value < 0 ? QString() : column.choices->texts[value];
    return DecimalText(ShownValue(column, value));
}

int DecodeField(RecordKind grid, int edition, const Record& record, ColumnKind kind)
{
    const ColumnDescriptor* column = ColumnOfKind(grid, edition, kind);
    return column ? DecodeColumn(*column, record) : -1;
}

void EncodeField(RecordKind grid, int edition, int value, Record& record, ColumnKind kind)
{
    if (const ColumnDescriptor* column = ColumnOfKind(grid, edition, kind))
        EncodeColumn(*column, value, record);
}

} // namespace quindaro2
