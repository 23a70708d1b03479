#pragma once

#include "core/edition/EditionLayout.h"
#include "core/league/LeagueTableModel.h"
#include "core/rom/Result.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace quindaro2 {

class RomDocument;

// Every player of the league in one table beside the three grids: a search
// by name (kana, or romaji as the name entry converts it), a team and a grid
// to narrow it, sorting by any heading, and the marks of a comparison with
// another ROM or a patch. Enter or a double-click on a row asks to show
// that player.
class LeagueView : public QWidget {
    Q_OBJECT

public:
    explicit LeagueView(QWidget* parent = nullptr);

    // The document shown; none before a ROM is open.
    void setDocument(const RomDocument* document);
    // Compares with the ROM or patch at `path`; nothing is written. Fails,
    // keeping what was compared before, for a file that cannot be read or a
    // patch refused for the opened ROM.
    Status compareWith(const QString& path);

    LeagueTableModel& model() { return model_; }

    QLineEdit* SearchEdit = nullptr;
    QComboBox* TeamFilter = nullptr;
    QComboBox* GridFilter = nullptr;
    QPushButton* CompareButton = nullptr;
    QCheckBox* OnlyDifferences = nullptr;
    QLabel* CountLabel = nullptr;
    QTableView* Table = nullptr;

Q_SIGNALS:
    void playerChosen(int team, RecordKind grid, int slot);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void applyFilter();
    void showCount();
    void askComparison();

    const RomDocument* document_ = nullptr;
    LeagueTableModel model_;
};

} // namespace quindaro2
