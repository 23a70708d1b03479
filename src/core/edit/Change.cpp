#include "core/edit/Change.h"

#include "core/edition/ColumnTable.h"
#include "core/roster/CellText.h"
#include "core/roster/TeamStatistics.h"

#include <QCoreApplication>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Change)
};

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

void MoveAndRenumber(TextGrid& cells, int from, int to)
{
    cells.moveRow(from, to);
    for (int row = 1; row < cells.rowCount(); ++row)
        cells.setCell(0, row, DecimalText(row));
}

int& ColorCode(EditorState& state, TeamColor color)
{
    return color == TeamColor::Helmet ? state.HelmetColorCode : state.UniformColorCode;
}

void Make(ShownTeam& team, const Change& change, bool forward)
{
    std::visit(Overloaded{
                   [&](const CellChange& c) {
                       team.grid(c.grid).setCell(c.column, c.row, forward ? c.after : c.before);
                   },
                   [&](const RowMove& m) {
                       MoveAndRenumber(team.grid(m.grid), forward ? m.from : m.to, forward ? m.to : m.from);
                   },
                   [&](const ColorChange& c) { ColorCode(team.state, c.color) = forward ? c.after : c.before; },
               },
               change);
    team.statistics = ShowTeamStatistics(team.state.Edition, team.BatterGrid, team.PitcherGrid);
    team.state.DataChanged = true;
}

} // namespace

void Apply(ShownTeam& team, const Change& change)
{
    Make(team, change, true);
}

void Revert(ShownTeam& team, const Change& change)
{
    Make(team, change, false);
}

QString ChangeName(int edition, const Change& change)
{
    return std::visit(Overloaded{
                          [&](const CellChange& c) {
                              const ColumnDescriptor* column = Column(c.grid, edition, c.column);
                              QString header = column ? column->header : QString();
                              header.remove(u'　');
                              return Text::tr("%1の変更").arg(header);
                          },
                          [](const RowMove&) { return Text::tr("行の移動"); },
                          [](const ColorChange& c) {
                              return c.color == TeamColor::Helmet ? Text::tr("帽子の色の変更")
                                                                  : Text::tr("ユニフォームの色の変更");
                          },
                      },
                      change);
}

} // namespace quindaro2
