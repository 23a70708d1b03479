#include "core/roster/FieldCodec.h"

namespace quindaro2 {

int DecodeField(RecordKind grid, int edition, const Record& record, ColumnKind kind)
{
    const ColumnDescriptor* column = ColumnOfKind(grid, edition, kind);
    if (!column)
        return -1;
    if (column->choices)
        return column->choices->IndexOfCode(record[column->byte]).value_or(-1);
    if (column->rule)
        return column->rule->decode(record, column->byte);
    return -1;
}

void EncodeField(RecordKind grid, int edition, int value, Record& record, ColumnKind kind)
{
    const ColumnDescriptor* column = ColumnOfKind(grid, edition, kind);
    if (!column)
        return;
    if (column->choices) {
        if (value < 0 || value >= kChoiceCount)
            return;
        if (const std::optional<int> code = column->choices->codes[static_cast<std::size_t>(value)])
            record[column->byte] = static_cast<std::uint8_t>(*code & 0xFF);
        return;
    }
    if (column->rule)
        column->rule->encode(record, column->byte, value);
}

} // namespace quindaro2
