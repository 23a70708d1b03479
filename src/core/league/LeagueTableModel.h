#pragma once

#include "core/league/LeagueComparison.h"
#include "core/league/LeagueFilter.h"
#include "core/league/LeagueTable.h"

#include <QAbstractTableModel>
#include <QPointer>

#include <optional>
#include <vector>

namespace quindaro2 {

class RomDocument;

// The league view's rows: every player of the document, filtered and sorted,
// computed again from the document's bytes whenever they change. With a
// league to compare with, each cell knows whether it differs and what the
// other league holds there.
class LeagueTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // True for a cell whose text differs from the compared league's.
    static constexpr int DiffersRole = Qt::UserRole + 1;
    // The columns before the edition's headings: team, grid and row.
    static constexpr int kFixedColumns = 3;

    explicit LeagueTableModel(QObject* parent = nullptr);

    // The document followed, or none; the comparison is dropped with another.
    void setDocument(const RomDocument* document);
    void setFilter(LeagueFilter filter);
    const LeagueFilter& filter() const { return filter_; }
    // Compares with another league of the same edition, or stops comparing.
    void setComparison(std::optional<RomImage> other);
    bool comparing() const { return other_.has_value(); }
    // Only the players with a differing cell, while comparing.
    void setOnlyDifferences(bool only);
    const std::vector<LeagueDifference>& differences() const { return differences_; }

    // The player of a shown row; none outside the rows.
    const LeagueRow* player(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    void rebuild();
    void arrange();
    // The difference at a shown cell, or none.
    const LeagueDifference* difference(int row, int column) const;

    QPointer<const RomDocument> document_;  // none once the window opens another
    LeagueTable table_;
    QStringList headings_;
    LeagueFilter filter_;
    std::optional<RomImage> other_;
    std::vector<LeagueDifference> differences_;
    std::vector<std::vector<int>> differing_;  // per table row: indexes into differences_
    bool onlyDifferences_ = false;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    std::vector<int> rows_;  // shown rows, as indexes into the table
};

} // namespace quindaro2
