#pragma once

#include "core/edit/EditDialogs.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quindaro2 {

// Edits a name one character per box. Each box offers the edition's list of
// entry characters but takes any typed text as well.
class TNameForm : public QDialog {
    Q_OBJECT

public:
    explicit TNameForm(QWidget* parent = nullptr);

    // The joined texts of the boxes (four boxes for 1986 and 1987, five
    // later), exactly as typed or chosen; none after Cancel. OK with a name
    // that `check` refuses shows the reason in a warning and keeps the dialog
    // open with the boxes as typed; an empty check takes any name.
    std::optional<QString> EditName(int edition, const QString& name, const AnswerCheck& check = {});

    // The characters the boxes offer for an edition, one entry per line.
    static QStringList NameEntryCharacters(int edition);

    // The name in one line: romaji become kana as typed; the boxes follow it
    // and it follows the boxes.
    QLineEdit* NameLine = nullptr;
    QComboBox* First = nullptr;
    QComboBox* Second = nullptr;
    QComboBox* Third = nullptr;
    QComboBox* Fourth = nullptr;
    QComboBox* Fifth = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::array<QComboBox*, 5> Boxes() const { return {First, Second, Third, Fourth, Fifth}; }
    QString JoinedName() const;
    void OkButtonClick();
    void lineEdited(const QString& typed);
    void boxEdited();

    QLabel* lineHint_ = nullptr;
    int edition_ = 1986;
    bool following_ = false;
    bool lineLast_ = false;  // the line, not a box, was edited last
    bool fiveCharacters_ = true;
    AnswerCheck check_;
};

} // namespace quindaro2
