#pragma once

#include "core/roster/TeamStatistics.h"

#include <QAbstractTableModel>
#include <QPointer>

#include <array>
#include <optional>
#include <vector>

namespace quindaro2 {

class RomDocument;

// The teams side by side: one row per team with its four figures as the
// labels above the grids show them, computed from the document's bytes as
// they are now, so the shown team's unsaved edits count.
class TeamFiguresModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kFigures = 4;
    // The figure as a number, for sorting and the chart; none for dashes.
    static constexpr int ValueRole = Qt::UserRole + 1;
    // Where the value lies between the column's smallest and largest, 0 to 1.
    static constexpr int ShareRole = Qt::UserRole + 2;
    // 1 for the column's best team, -1 for its worst, 0 otherwise; a lower
    // earned-run average is better.
    static constexpr int RankRole = Qt::UserRole + 3;

    explicit TeamFiguresModel(QObject* parent = nullptr);

    void setDocument(const RomDocument* document);
    // The figure of the team in column 1 to 4; none for dashes.
    std::optional<double> value(int team, int figure) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void rebuild();

    QPointer<const RomDocument> document_;
    std::vector<TeamStatistics> figures_;
    std::vector<std::array<std::optional<double>, kFigures>> values_;
    std::array<double, kFigures> lowest_{};
    std::array<double, kFigures> highest_{};
};

} // namespace quindaro2
