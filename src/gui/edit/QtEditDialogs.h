#pragma once

#include "core/edit/EditDialogs.h"
#include "gui/dialogs/LazyDialog.h"
#include "gui/edit/TListForm.h"
#include "gui/edit/TNameForm.h"
#include "gui/edit/TValueForm.h"

namespace quindaro2 {

// The edit commands' dialogs as the editor shows them: the three forms, each
// made on its first use and kept for the rest of the run, and error boxes over
// the main window.
class QtEditDialogs : public EditDialogs {
public:
    explicit QtEditDialogs(QWidget* parent);

    std::optional<QString> EditName(int edition, const QString& name, const AnswerCheck& check) override;
    std::optional<QString> ChooseItem(const QString& caption, const QString& label, const QStringList& choices,
                                      const QString& current) override;
    std::optional<QString> EnterValue(const QString& caption, const QString& label, const ValueRange& range,
                                      int start, const QString& hint, const AnswerCheck& check) override;
    void ShowError(const QString& message) override;

private:
    QWidget* parent_;
    LazyDialog<TNameForm> nameForm_;
    LazyDialog<TListForm> listForm_;
    LazyDialog<TValueForm> valueForm_;
};

} // namespace quindaro2
