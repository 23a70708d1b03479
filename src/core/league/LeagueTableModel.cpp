#include "core/league/LeagueTableModel.h"

#include "core/document/RomDocument.h"
#include "core/edition/EditionProfile.h"
#include "core/roster/GridName.h"

#include <QCoreApplication>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(LeagueTableModel)
};

} // namespace

LeagueTableModel::LeagueTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void LeagueTableModel::setDocument(const RomDocument* document)
{
    if (document_)
        disconnect(document_, nullptr, this, nullptr);
    document_ = document;
    other_.reset();
    sortColumn_ = -1;
    if (document_)
        connect(document_, &RomDocument::teamsChanged, this, [this] { rebuild(); });
    rebuild();
}

void LeagueTableModel::setFilter(LeagueFilter filter)
{
    filter_ = std::move(filter);
    beginResetModel();
    arrange();
    endResetModel();
}

void LeagueTableModel::setComparison(std::optional<RomImage> other)
{
    other_ = std::move(other);
    rebuild();
}

void LeagueTableModel::setOnlyDifferences(bool only)
{
    onlyDifferences_ = only;
    beginResetModel();
    arrange();
    endResetModel();
}

void LeagueTableModel::rebuild()
{
    beginResetModel();
    table_ = document_ ? BuildLeagueTable(document_->profile(), document_->image()) : LeagueTable();
    headings_ = document_ ? LeagueHeadings(document_->profile()) : QStringList();
    differences_ = other_ && document_
                       ? CompareLeagues(document_->profile(), table_, BuildLeagueTable(document_->profile(), *other_))
                       : std::vector<LeagueDifference>();
    differing_.assign(table_.rows.size(), {});
    // The table and the differences are both in team, grid and slot order.
    std::size_t row = 0;
    for (std::size_t d = 0; d < differences_.size(); ++d) {
        const LeagueDifference& difference = differences_[d];
        while (row < table_.rows.size()
               && (table_.rows[row].team != difference.team || table_.rows[row].grid != difference.grid
                   || table_.rows[row].slot != difference.slot))
            ++row;
        if (row < table_.rows.size())
            differing_[row].push_back(static_cast<int>(d));
    }
    arrange();
    endResetModel();
}

void LeagueTableModel::arrange()
{
    if (!document_) {
        rows_.clear();
        return;
    }
    rows_ = FilterLeague(document_->profile(), table_, filter_);
    if (onlyDifferences_ && other_)
        std::erase_if(rows_, [this](int i) { return differing_[static_cast<std::size_t>(i)].empty(); });
    if (sortColumn_ < 0)
        return;
    const bool descending = sortOrder_ == Qt::DescendingOrder;
    const auto key = [this](int i) {
        const LeagueRow& row = table_.rows[static_cast<std::size_t>(i)];
        switch (sortColumn_) {
        case 0: return row.team;
        case 1: return static_cast<int>(row.grid);
        default: return row.slot;
        }
    };
    if (sortColumn_ < kFixedColumns) {
        std::stable_sort(rows_.begin(), rows_.end(),
                         [&](int a, int b) { return descending ? key(a) > key(b) : key(a) < key(b); });
        return;
    }
    SortLeague(document_->profile(), table_, headings_.value(sortColumn_ - kFixedColumns), descending, rows_);
}

const LeagueRow* LeagueTableModel::player(int row) const
{
    if (row < 0 || row >= static_cast<int>(rows_.size()))
        return nullptr;
    return &table_.rows[static_cast<std::size_t>(rows_[static_cast<std::size_t>(row)])];
}

int LeagueTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int LeagueTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !document_ ? 0 : kFixedColumns + static_cast<int>(headings_.size());
}

const LeagueDifference* LeagueTableModel::difference(int row, int column) const
{
    const LeagueRow* shown = player(row);
    if (!shown || column < kFixedColumns)
        return nullptr;
    const QString& heading = headings_.value(column - kFixedColumns);
    for (const int d : differing_[static_cast<std::size_t>(rows_[static_cast<std::size_t>(row)])]) {
        if (differences_[static_cast<std::size_t>(d)].heading == heading)
            return &differences_[static_cast<std::size_t>(d)];
    }
    return nullptr;
}

QVariant LeagueTableModel::data(const QModelIndex& index, int role) const
{
    const LeagueRow* row = player(index.row());
    if (!row || index.column() < 0 || index.column() >= columnCount())
        return {};
    const EditionProfile& profile = document_->profile();
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case 0: return LeagueTeamLabel(profile, row->team);
        case 1: return GridName(row->grid);
        case 2: return row->slot + 1;
        default: {
            const QString* cell = LeagueCell(profile, *row, headings_.value(index.column() - kFixedColumns));
            return cell ? *cell : QString();
        }
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() == 2)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    const LeagueDifference* difference = this->difference(index.row(), index.column());
    if (role == DiffersRole)
        return difference != nullptr;
    if (role == Qt::ToolTipRole && difference)
        return Text::tr("開いている ROM：%1\n比べる ROM：%2").arg(difference->before, difference->after);
    return {};
}

QVariant LeagueTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case 0: return Text::tr("チーム");
    case 1: return Text::tr("表");
    case 2: return Text::tr("行");
    default: return headings_.value(section - kFixedColumns);
    }
}

void LeagueTableModel::sort(int column, Qt::SortOrder order)
{
    Q_EMIT layoutAboutToBeChanged();
    sortColumn_ = column;
    sortOrder_ = order;
    arrange();
    Q_EMIT layoutChanged();
}

} // namespace quindaro2
