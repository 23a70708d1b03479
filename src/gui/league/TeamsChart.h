#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtPlugin>

class QWidget;

namespace quindaro2 {

// The chart of the teams side by side, drawn by a module of its own that is
// loaded when the chart is first shown: the charts library it links is
// larger than the rest of the editor's start.
class TeamsChart {
public:
    virtual ~TeamsChart() = default;

    // A new, empty chart, a child of `parent`.
    virtual QWidget* make(QWidget* parent) = 0;
    // One bar for each team of `teams`, the first on top, as long as its value.
    virtual void draw(QWidget* chart, const QString& title, const QStringList& teams, const QList<double>& values) = 0;
};

// The module's chart maker, loaded once and kept; none when the module cannot
// be loaded, with why in `error`.
TeamsChart* LoadTeamsChart(QString& error);

} // namespace quindaro2

#define QUINDARO2_TEAMS_CHART_IID "io.github.quindaro2.TeamsChart/1"
Q_DECLARE_INTERFACE(quindaro2::TeamsChart, QUINDARO2_TEAMS_CHART_IID)
