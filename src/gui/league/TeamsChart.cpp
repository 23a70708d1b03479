#include "gui/league/TeamsChart.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace quindaro2 {

TeamsChart* LoadTeamsChart(QString& error)
{
    // Beside the program where it was built; where it is installed, in the
    // editor's own folder of modules below the library directory.
    static QPluginLoader* loader = nullptr;
    static QString why;
    if (!loader) {
        const QDir programs(QCoreApplication::applicationDirPath());
        for (const QString& folder : {programs.path(), programs.filePath(QStringLiteral(QUINDARO2_MODULES_FROM_PROGRAMS))}) {
            auto* candidate = new QPluginLoader(QDir(folder).filePath(QStringLiteral("libquindaro2_teams_chart.so")),
                                                qApp);
            if (candidate->load()) {
                loader = candidate;
                break;
            }
            why = candidate->errorString();
            delete candidate;
        }
    }
    TeamsChart* chart = loader ? qobject_cast<TeamsChart*>(loader->instance()) : nullptr;
    if (loader && !chart)
        why = QCoreApplication::translate("TeamsChart", "グラフの部品が合いません：%1").arg(loader->fileName());
    if (!chart)
        error = why;
    return chart;
}

} // namespace quindaro2
