#pragma once

#include "core/edition/ValueRange.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace quindaro2 {

// Why an answer of an edit dialog cannot be taken; empty when it can. A
// dialog that is given one keeps itself open on a refusal, showing the reason,
// so that what the user typed is not lost.
using AnswerCheck = std::function<QString(const QString& answer)>;

// The three edit dialogs as the edit commands use them; each answer is none
// when the user cancels. The editor shows real dialogs; tests give scripted
// answers.
class EditDialogs {
public:
    virtual ~EditDialogs() = default;

    // The new name: the joined texts of the character boxes.
    virtual std::optional<QString> EditName(int edition, const QString& name, const AnswerCheck& check) = 0;
    // The chosen text, starting on `current` when it is one of the choices;
    // none also when OK was pressed with nothing chosen.
    virtual std::optional<QString> ChooseItem(const QString& caption, const QString& label,
                                              const QStringList& choices, const QString& current) = 0;
    // The whole number as typed. The arrows step inside `range`; typing is not
    // limited by it: `check` says what is refused.
    virtual std::optional<QString> EnterValue(const QString& caption, const QString& label, const ValueRange& range,
                                              int start, const QString& hint, const AnswerCheck& check) = 0;
    // Why an edit cannot be made: said before a dialog opens, or after an
    // answer was refused.
    virtual void ShowError(const QString& message) = 0;
};

} // namespace quindaro2
