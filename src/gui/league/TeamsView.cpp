#include "gui/league/TeamsView.h"

#include "gui/league/TeamsChart.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace quindaro2 {

namespace {

// A figure's cell: a bar as long as its place between the column's smallest
// and largest value, green for the best team and red for the worst.
class FigureBarDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (index.column() > 0 && index.data(TeamFiguresModel::ValueRole).isValid()) {
            const double share = index.data(TeamFiguresModel::ShareRole).toDouble();
            const int rank = index.data(TeamFiguresModel::RankRole).toInt();
            const QColor color = rank > 0 ? QColor(110, 190, 110) : rank < 0 ? QColor(225, 120, 110) : QColor(150, 180, 225);
            QRect bar = option.rect.adjusted(2, 3, -2, -3);
            // Even the smallest keeps a sliver, so that no team looks empty.
            bar.setWidth(std::max(2, static_cast<int>(bar.width() * (0.08 + 0.92 * share))));
            painter->fillRect(bar, color);
        }
        QStyleOptionViewItem shown = option;
        if (index.column() > 0 && index.data(TeamFiguresModel::RankRole).toInt() != 0)
            shown.font.setBold(true);
        QStyledItemDelegate::paint(painter, shown, index);
    }
};

} // namespace

TeamsView::TeamsView(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    auto* splitter = new QSplitter(Qt::Horizontal, this);

    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(&model_);
    sorted_->setSortRole(TeamFiguresModel::ValueRole);
    Table = new QTableView(splitter);
    Table->setModel(sorted_);
    Table->setItemDelegate(new FigureBarDelegate(Table));
    Table->setSortingEnabled(true);
    Table->sortByColumn(0, Qt::AscendingOrder);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->verticalHeader()->hide();
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Table->setAccessibleName(tr("チームの比較"));

    auto* chartPane = new QWidget(splitter);
    auto* chartLayout = new QVBoxLayout(chartPane);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    auto* choiceRow = new QHBoxLayout;
    auto* caption = new QLabel(tr("グラフ(&G)："), chartPane);
    FigureChoice = new QComboBox(chartPane);
    for (int figure = 1; figure <= TeamFiguresModel::kFigures; ++figure)
        FigureChoice->addItem(model_.headerData(figure, Qt::Horizontal).toString());
    caption->setBuddy(FigureChoice);
    choiceRow->addWidget(caption);
    choiceRow->addWidget(FigureChoice, 1);
    chartLayout->addLayout(choiceRow);
    chartLayout_ = chartLayout;
    splitter->addWidget(Table);
    splitter->addWidget(chartPane);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);

    connect(FigureChoice, &QComboBox::currentIndexChanged, this, &TeamsView::drawChart);
    connect(&model_, &QAbstractItemModel::modelReset, this, &TeamsView::drawChart);
}

void TeamsView::showEvent(QShowEvent* event)
{
    ensureChart();
    QWidget::showEvent(event);
}

// The chart is made when it is first seen, by the module that draws it: the
// editor's start neither loads the charts library nor waits for its scene.
void TeamsView::ensureChart()
{
    if (Chart)
        return;
    QString error;
    charts_ = LoadTeamsChart(error);
    if (charts_) {
        Chart = charts_->make(chartLayout_->parentWidget());
        Chart->setMinimumSize(300, 220);
    } else {
        auto* missing = new QLabel(tr("グラフを表示できません：%1").arg(error), chartLayout_->parentWidget());
        missing->setWordWrap(true);
        missing->setAlignment(Qt::AlignCenter);
        Chart = missing;
    }
    chartLayout_->addWidget(Chart, 1);
    drawChart();
}

void TeamsView::setDocument(const RomDocument* document)
{
    model_.setDocument(document);
}

int TeamsView::chartedFigure() const
{
    return FigureChoice->currentIndex() + 1;
}

QWidget* TeamsView::chart()
{
    ensureChart();
    return Chart;
}

void TeamsView::drawChart()
{
    if (!charts_)
        return;
    const int figure = chartedFigure();
    QStringList teams;
    QList<double> values;
    for (int team = 0; team < model_.rowCount(); ++team) {
        teams << model_.index(team, 0).data().toString();
        values << model_.value(team, figure).value_or(0);
    }
    charts_->draw(Chart, model_.headerData(figure, Qt::Horizontal).toString(), teams, values);
}

} // namespace quindaro2
