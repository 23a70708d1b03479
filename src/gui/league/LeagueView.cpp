#include "gui/league/LeagueView.h"

#include "core/document/RomDocument.h"
#include "core/edition/EditionProfile.h"
#include "core/roster/GridName.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace quindaro2 {

namespace {

// Paints a cell that differs from the compared league on a marked background.
class DifferenceDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (index.data(LeagueTableModel::DiffersRole).toBool())
            painter->fillRect(option.rect, QColor(255, 214, 120));
        QStyledItemDelegate::paint(painter, option, index);
    }
};

} // namespace

LeagueView::LeagueView(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    auto* filters = new QHBoxLayout;
    auto* searchCaption = new QLabel(tr("名前(&N)："), this);
    SearchEdit = new QLineEdit(this);
    SearchEdit->setPlaceholderText(tr("かな、またはローマ字"));
    SearchEdit->setMinimumWidth(140);
    searchCaption->setBuddy(SearchEdit);
    TeamFilter = new QComboBox(this);
    TeamFilter->setAccessibleName(tr("チーム"));
    GridFilter = new QComboBox(this);
    GridFilter->setAccessibleName(tr("表"));
    CompareButton = new QPushButton(tr("比較...(&C)"), this);
    OnlyDifferences = new QCheckBox(tr("違う選手だけ(&D)"), this);
    OnlyDifferences->setEnabled(false);
    CountLabel = new QLabel(this);
    filters->addWidget(searchCaption);
    filters->addWidget(SearchEdit, 1);
    filters->addWidget(TeamFilter);
    filters->addWidget(GridFilter);
    filters->addSpacing(12);
    filters->addWidget(CompareButton);
    filters->addWidget(OnlyDifferences);
    filters->addWidget(CountLabel);
    layout->addLayout(filters);

    Table = new QTableView(this);
    Table->setModel(&model_);
    Table->setItemDelegate(new DifferenceDelegate(Table));
    Table->setSortingEnabled(true);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->verticalHeader()->hide();
    Table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    Table->setAccessibleName(tr("リーグ"));
    layout->addWidget(Table, 1);

    connect(SearchEdit, &QLineEdit::textChanged, this, &LeagueView::applyFilter);
    connect(TeamFilter, &QComboBox::currentIndexChanged, this, &LeagueView::applyFilter);
    connect(GridFilter, &QComboBox::currentIndexChanged, this, &LeagueView::applyFilter);
    connect(OnlyDifferences, &QCheckBox::toggled, &model_, &LeagueTableModel::setOnlyDifferences);
    connect(CompareButton, &QPushButton::clicked, this, &LeagueView::askComparison);
    connect(&model_, &QAbstractItemModel::modelReset, this, &LeagueView::showCount);
    // Enter on a row, or a double-click where the style activates on it.
    connect(Table, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        if (const LeagueRow* player = model_.player(index.row()))
            Q_EMIT playerChosen(player->team, player->grid, player->slot);
    });
    setDocument(nullptr);
}

// The clear button looks its icon up in the theme, which the editor's start
// need not wait for: the view gets it when it is first seen.
void LeagueView::showEvent(QShowEvent* event)
{
    SearchEdit->setClearButtonEnabled(true);
    QWidget::showEvent(event);
}

void LeagueView::setDocument(const RomDocument* document)
{
    document_ = document;
    {
        const QSignalBlocker teams(TeamFilter);
        const QSignalBlocker grids(GridFilter);
        TeamFilter->clear();
        GridFilter->clear();
        TeamFilter->addItem(tr("全チーム"));
        GridFilter->addItem(tr("全選手"));
        if (document) {
            const EditionProfile& profile = document->profile();
            for (int team = 0; team < profile.teamCount(); ++team)
                TeamFilter->addItem(LeagueTeamLabel(profile, team), team);
            for (const RecordKind grid : LeagueGrids(profile))
                GridFilter->addItem(GridName(grid), static_cast<int>(grid));
        }
    }
    CompareButton->setEnabled(document != nullptr);
    OnlyDifferences->setChecked(false);
    OnlyDifferences->setEnabled(false);
    model_.setDocument(document);
    Table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    applyFilter();
    Table->resizeColumnsToContents();
}

Status LeagueView::compareWith(const QString& path)
{
    if (!document_)
        return Status::Failed(tr("ROM が開かれていません"));
    // A patch is made for the file as it was, so it applies to the file's bytes.
    Result<RomImage> other = ReadComparedLeague(path, document_->fileImage());
    if (!other)
        return Status::Failed(other.reason());
    model_.setComparison(std::move(other.value()));
    OnlyDifferences->setEnabled(true);
    return Status::Ok();
}

void LeagueView::applyFilter()
{
    LeagueFilter filter;
    filter.name = SearchEdit->text();
    if (const QVariant team = TeamFilter->currentData(); team.isValid())
        filter.team = team.toInt();
    if (const QVariant grid = GridFilter->currentData(); grid.isValid())
        filter.grid = static_cast<RecordKind>(grid.toInt());
    model_.setFilter(std::move(filter));
}

void LeagueView::showCount()
{
    QString text = tr("%n人", nullptr, model_.rowCount());
    if (model_.comparing())
        text += tr("（違うセル %n）", nullptr, static_cast<int>(model_.differences().size()));
    CountLabel->setText(text);
}

void LeagueView::askComparison()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("比べる ROM かパッチ"), QFileInfo(document_->path()).path(),
                                                      tr("ROM とパッチ (*.nes *.ips *.bps);;すべてのファイル (*)"));
    if (path.isEmpty())
        return;
    if (const Status compared = compareWith(path); !compared)
        QMessageBox::warning(this, tr("比較"), tr("比べられません．\n%1").arg(compared.reason()));
}

} // namespace quindaro2
