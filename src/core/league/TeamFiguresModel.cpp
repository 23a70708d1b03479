#include "core/league/TeamFiguresModel.h"

#include "core/document/RomDocument.h"
#include "core/edition/EditionProfile.h"
#include "core/league/LeagueTable.h"

#include <QCoreApplication>

#include <limits>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(TeamFiguresModel)
};

const QString& Label(const TeamStatistics& figures, int figure)
{
    switch (figure) {
    case 1: return figures.AverageLabel;
    case 2: return figures.HomerunLabel;
    case 3: return figures.RunLabel;
    default: return figures.ErrorLabel;
    }
}

} // namespace

TeamFiguresModel::TeamFiguresModel(QObject* parent) : QAbstractTableModel(parent) {}

void TeamFiguresModel::setDocument(const RomDocument* document)
{
    if (document_)
        disconnect(document_, nullptr, this, nullptr);
    document_ = document;
    if (document_)
        connect(document_, &RomDocument::teamsChanged, this, [this] { rebuild(); });
    rebuild();
}

void TeamFiguresModel::rebuild()
{
    beginResetModel();
    figures_.clear();
    values_.clear();
    lowest_.fill(std::numeric_limits<double>::max());
    highest_.fill(std::numeric_limits<double>::lowest());
    const int teams = document_ ? document_->profile().teamCount() : 0;
    for (int team = 0; team < teams; ++team) {
        figures_.push_back(ShowTeamStatistics(document_->profile(), document_->image(), team));
        std::array<std::optional<double>, kFigures> values;
        for (int figure = 1; figure <= kFigures; ++figure) {
            bool number = false;
            const double value = Label(figures_.back(), figure).toDouble(&number);
            if (!number)
                continue;
            values[figure - 1] = value;
            lowest_[figure - 1] = std::min(lowest_[figure - 1], value);
            highest_[figure - 1] = std::max(highest_[figure - 1], value);
        }
        values_.push_back(values);
    }
    endResetModel();
}

std::optional<double> TeamFiguresModel::value(int team, int figure) const
{
    if (team < 0 || team >= static_cast<int>(values_.size()) || figure < 1 || figure > kFigures)
        return std::nullopt;
    return values_[static_cast<std::size_t>(team)][static_cast<std::size_t>(figure - 1)];
}

int TeamFiguresModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(figures_.size());
}

int TeamFiguresModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1 + kFigures;
}

QVariant TeamFiguresModel::data(const QModelIndex& index, int role) const
{
    const int team = index.row();
    if (!document_ || team < 0 || team >= rowCount() || index.column() < 0 || index.column() > kFigures)
        return {};
    if (index.column() == 0) {
        if (role == Qt::DisplayRole)
            return LeagueTeamLabel(document_->profile(), team);
        if (role == ValueRole)
            return team;
        return {};
    }
    const int figure = index.column();
    const std::optional<double> shown = value(team, figure);
    switch (role) {
    case Qt::DisplayRole: return Label(figures_[static_cast<std::size_t>(team)], figure);
    case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case ValueRole: return shown ? QVariant(*shown) : QVariant();
    case ShareRole: {
        if (!shown)
            return 0.0;
        const double span = highest_[figure - 1] - lowest_[figure - 1];
        return span > 0 ? (*shown - lowest_[figure - 1]) / span : 1.0;
    }
    case RankRole: {
        if (!shown || highest_[figure - 1] == lowest_[figure - 1])
            return 0;
        const bool lowerIsBetter = figure == kFigures;
        if (*shown == highest_[figure - 1])
            return lowerIsBetter ? -1 : 1;
        if (*shown == lowest_[figure - 1])
            return lowerIsBetter ? 1 : -1;
        return 0;
    }
    default: return {};
    }
}

QVariant TeamFiguresModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case 0: return Text::tr("チーム");
    case 1: return Text::tr("平均打率");
    case 2: return Text::tr("総本塁打");
    case 3: return Text::tr("平均走力");
    case 4: return Text::tr("平均防御率");
    default: return {};
    }
}

} // namespace quindaro2
