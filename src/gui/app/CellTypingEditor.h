#pragma once

#include "core/edit/CellEdit.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QLineEdit;

namespace quindaro2 {

struct NameTable;

// The editor that typing into a grid cell opens over the cell: a line for
// numbers, a drop-down of the offered texts for list columns, and a one-line
// name that turns romaji into the edition's kana as they are typed. Enter or
// Tab hands the text to `commit`, which answers why it was refused (empty
// when taken); a refused text stays with the reason shown and the cell
// marked. Escape closes it with the cell as it was.
class CellTypingEditor : public QWidget {
    Q_OBJECT

public:
    using Commit = std::function<QString(const QString& text)>;

    CellTypingEditor(QWidget* cellArea, const QRect& cell, const CellEditor& editor, const NameTable& names,
                     const QString& typed, Commit commit);

    // The text the commit would be given.
    QString text() const;
    bool refused() const { return refused_; }
    // What the status bar says while the editor is open: the column's range,
    // or how a name is typed and which character cannot be stored.
    QString hint() const;

Q_SIGNALS:
    // A line for the status bar while the editor is open.
    void message(const QString& text);
    // The editor closed: `committed` when the text was taken, `next` when Tab closed it.
    void closed(bool committed, bool next);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void convertName(const QString& typed);
    void tryCommit(bool next);
    void finish(bool committed, bool next);

    CellEditor editor_;
    const NameTable& names_;
    Commit commit_;
    QLineEdit* line_ = nullptr;
    QComboBox* list_ = nullptr;
    bool refused_ = false;
    bool finished_ = false;
};

} // namespace quindaro2
