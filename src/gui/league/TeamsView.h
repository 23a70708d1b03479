#pragma once

#include "core/league/TeamFiguresModel.h"

#include <QWidget>

class QComboBox;
class QShowEvent;
class QVBoxLayout;
class QSortFilterProxyModel;
class QTableView;

namespace quindaro2 {

class RomDocument;
class TeamsChart;

// The teams side by side: their four figures, each drawn as a bar in its
// cell with the best and worst of each column marked, sortable by any
// column, and a chart of one chosen figure with one bar per team.
class TeamsView : public QWidget {
    Q_OBJECT

public:
    explicit TeamsView(QWidget* parent = nullptr);

    void setDocument(const RomDocument* document);

    TeamFiguresModel& model() { return model_; }
    // The figure the chart draws, 1 to 4.
    int chartedFigure() const;
    // The chart, made if it was not: a chart view of the charts library, or a
    // label saying why there is none.
    QWidget* chart();

    QTableView* Table = nullptr;
    QComboBox* FigureChoice = nullptr;
    QWidget* Chart = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ensureChart();
    void drawChart();

    TeamFiguresModel model_;
    QSortFilterProxyModel* sorted_ = nullptr;
    QVBoxLayout* chartLayout_ = nullptr;
    TeamsChart* charts_ = nullptr;  // the module's chart maker, once the chart is made
};

} // namespace quindaro2
