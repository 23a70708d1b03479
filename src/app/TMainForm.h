#pragma once

#include <QMainWindow>

namespace quindaro2 {

// The editor's one window: it owns the editor state, opens a ROM, switches teams
// and hosts the three grids and the team panel.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);
};

} // namespace quindaro2
