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
    return profile ? profile->columns(grid) : std::span<const ColumnDescriptor>();
}

const ColumnDescriptor* Column(RecordKind grid, int edition, int column)
{
    const EditionProfile* profile = FindProfile(edition);
    return profile ? profile->column(grid, column) : nullptr;
}

const ColumnDescriptor* ColumnOfKind(RecordKind grid, int edition, ColumnKind kind, int* column)
{
    const EditionProfile* profile = FindProfile(edition);
    return profile ? profile->columnOfKind(grid, kind, column) : nullptr;
}

QString BlankHint()
{
    return QString(15, u' ');
}

} // namespace quindaro2
