#include "core/edition/ColumnTable.h"

#include "core/edition/EditionProfile.h"

#include <QCoreApplication>

namespace quindaro2 {

QString ColumnDescriptor::shownHint() const
{
    return QCoreApplication::translate("ColumnHint", hint.toUtf8().constData());
}

std::span<const ColumnDescriptor> Columns(RecordKind grid, int edition)
{
    const EditionProfile* profile = FindProfile(edition);
    if (!profile)
        return {};
    switch (grid) {
    case RecordKind::Batter: return profile->batterColumns;
    case RecordKind::Pitcher: return profile->pitcherColumns;
    case RecordKind::Manager: return profile->managerColumns;
    }
    return {};
}

const ColumnDescriptor* Column(RecordKind grid, int edition, int column)
{
    const std::span<const ColumnDescriptor> columns = Columns(grid, edition);
    if (column < 1 || column > static_cast<int>(columns.size()))
        return nullptr;
    return &columns[static_cast<std::size_t>(column - 1)];
}

const ColumnDescriptor* ColumnOfKind(RecordKind grid, int edition, ColumnKind kind, int* column)
{
    const std::span<const ColumnDescriptor> columns = Columns(grid, edition);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].kind == kind) {
            if (column)
                *column = static_cast<int>(i) + 1;
            return &columns[i];
        }
    }
    return nullptr;
}

QString BlankHint()
{
    return QString(15, u' ');
}

} // namespace quindaro2
