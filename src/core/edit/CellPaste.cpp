#include "core/edit/CellPaste.h"

#include "core/edit/CellEdit.h"
#include "core/edition/EditionProfile.h"

#include <QCoreApplication>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CellPaste)
};

} // namespace

QList<QStringList> ParseCellBlock(const QString& text)
{
    QString block = text;
    block.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (block.endsWith(u'\n'))
        block.chop(1);
    QList<QStringList> rows;
    if (block.isEmpty())
        return rows;
    for (const QString& line : block.split(u'\n'))
        rows << line.split(u'\t');
    return rows;
}

QString CellBlockText(const TextGrid& grid, int firstColumn, int firstRow, int lastColumn, int lastRow)
{
    QStringList lines;
    for (int row = firstRow; row <= lastRow; ++row) {
        QStringList cells;
        for (int column = firstColumn; column <= lastColumn; ++column)
            cells << grid.cell(column, row);
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

PastePlan PlanPaste(const RomDocument& document, int team, RecordKind grid, int column, int row, const QString& text)
{
    PastePlan plan;
    plan.step.name = Text::tr("貼り付け");
    const QList<QStringList> rows = ParseCellBlock(text);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const int gridRow = row + static_cast<int>(r);
        std::vector<std::pair<int, QString>> edits;
        bool rowRefused = false;
        for (qsizetype c = 0; c < rows[r].size(); ++c) {
            const int gridColumn = column + static_cast<int>(c);
            const QString& cell = rows[r][c];
            // Each cell alone, so that every refusal is named with its own reason.
            if (const Result<Change> alone = EditCell(document, team, grid, gridColumn, gridRow, cell); !alone) {
                plan.refused.push_back({gridColumn, gridRow, cell, alone.reason()});
                rowRefused = true;
                continue;
            }
            edits.emplace_back(gridColumn, cell);
        }
        if (rowRefused || edits.empty())
            continue;
        Result<Change> change = EditRowCells(document, team, grid, gridRow, edits);
        if (!change) {
            plan.refused.push_back({edits.front().first, gridRow, rows[r].join(u'\t'), change.reason()});
            continue;
        }
        plan.step.changes.push_back(std::move(change).value());
    }
    if (!plan.refused.empty())
        plan.step.changes.clear();
    return plan;
}

QString RefusalLines(const PastePlan& plan, int listed)
{
    QStringList lines;
    for (const PasteRefusal& refusal : plan.refused) {
        if (lines.size() == listed) {
            lines << Text::tr("ほか %1 件").arg(static_cast<int>(plan.refused.size()) - listed);
            break;
        }
        lines << Text::tr("%1 行 %2 列「%3」：%4").arg(refusal.row).arg(refusal.column).arg(refusal.text, refusal.reason);
    }
    return lines.join(u'\n');
}

} // namespace quindaro2
