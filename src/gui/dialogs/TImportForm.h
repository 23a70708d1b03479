#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace quindaro2 {

// What an import of player data would change, or why it was refused: a
// one-line summary over a scrollable, read-only list of one change or
// problem a line, which can be selected and copied.
class TImportForm : public QDialog {
    Q_OBJECT

public:
    explicit TImportForm(QWidget* parent = nullptr);

    // Asks before writing: "書き込む(&W)" or "キャンセル"; true to write.
    bool Confirm(const QString& summary, const QString& details);
    // Every problem, with one "OK".
    void ShowProblems(const QString& summary, const QString& details);

private:
    void present(const QString& summary, const QString& details, bool asking);

    QLabel* IconLabel;
    QLabel* SummaryLabel;
    QPlainTextEdit* DetailMemo;
    QPushButton* OkButton;
    QPushButton* CancelButton;
};

} // namespace quindaro2
