#pragma once

#include "core/edition/ValueRange.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace quindaro2 {

// The three edit dialogs as the edit commands use them; each answer is none
// when the user cancels. The editor shows real dialogs; tests give scripted
// answers. The answers are validated afterwards by EditCell.
class EditDialogs {
public:
    virtual ~EditDialogs() = default;

    // The new name: the joined texts of the character boxes.
    virtual std::optional<QString> EditName(int edition, const QString& name) = 0;
    // The chosen text; none also when OK was pressed with nothing chosen.
    virtual std::optional<QString> ChooseItem(const QString& caption, const QString& label,
                                              const QStringList& choices) = 0;
    // A 16-bit signed number, not checked against the range: the caller does that.
    virtual std::optional<int> EnterValue(const QString& caption, const QString& label, const ValueRange& range,
                                          int start, const QString& hint) = 0;
    // Why an edit cannot be made: said before a dialog opens, or after an
    // answer was refused.
    virtual void ShowError(const QString& message) = 0;
};

} // namespace quindaro2
