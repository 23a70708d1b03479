// The teams' chart, in a module of its own that the editor loads on first use.
#include "gui/league/TeamsChart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHorizontalBarSeries>
#include <QObject>
#include <QValueAxis>

#include <algorithm>

namespace quindaro2 {

class TeamsChartModule : public QObject, public TeamsChart {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QUINDARO2_TEAMS_CHART_IID)
    Q_INTERFACES(quindaro2::TeamsChart)

public:
    QWidget* make(QWidget* parent) override
    {
        auto* view = new QChartView(new QChart, parent);
        view->setRenderHint(QPainter::Antialiasing);
        return view;
    }

    void draw(QWidget* chartView, const QString& title, const QStringList& teams, const QList<double>& values) override
    {
        QChart* chart = static_cast<QChartView*>(chartView)->chart();
        chart->removeAllSeries();
        for (QAbstractAxis* axis : chart->axes())
            chart->removeAxis(axis);
        // Lying bars, one row a team, keep every label whole where standing
        // ones cut "C (13)" short. They are drawn from the bottom up: the last
        // team comes first, so that the first is on top.
        auto* bars = new QBarSet(title);
        QStringList labels;
        for (qsizetype team = teams.size() - 1; team >= 0; --team) {
            *bars << values.value(team);
            labels << teams[team];
        }
        auto* series = new QHorizontalBarSeries;
        series->append(bars);
        chart->addSeries(series);
        auto* axisTeams = new QBarCategoryAxis;
        axisTeams->append(labels);
        axisTeams->setTruncateLabels(false);
        chart->addAxis(axisTeams, Qt::AlignLeft);
        series->attachAxis(axisTeams);
        const double highest = values.isEmpty() ? 0 : *std::max_element(values.cbegin(), values.cend());
        auto* axisValues = new QValueAxis;
        axisValues->setRange(0, highest > 0 ? highest * 1.1 : 1);
        chart->addAxis(axisValues, Qt::AlignBottom);
        series->attachAxis(axisValues);
        chart->legend()->hide();
        chart->setTitle(title);
    }
};

} // namespace quindaro2

#include "TeamsChartModule.moc"
