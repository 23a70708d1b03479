#pragma once

#include "core/edit/EditDialogs.h"
#include "core/edit/NameProblem.h"

#include <QString>

namespace quindaro2::cli {

// The edit dialogs answered by one value from the command line. An answer the
// dialog would not deliver, or the command would drop (a number outside the
// range, a choice not offered, a name the edition cannot store), is refused:
// the dialog answers Cancel and keeps the reason.
class ScriptedDialogs : public EditDialogs {
public:
    explicit ScriptedDialogs(QString answer);

    std::optional<QString> EditName(int edition, const QString& name) override;
    std::optional<QString> ChooseItem(const QString& caption, const QString& label,
                                      const QStringList& choices) override;
    std::optional<int> EnterValue(const QString& caption, const QString& label, const ValueRange& range, int start,
                                  const QString& hint) override;
    void ShowError(const QString& message) override;

    // Why the answer was refused; empty when it was given.
    const QString& refusal() const { return refusal_; }

private:
    QString answer_;
    QString refusal_;
};

} // namespace quindaro2::cli
