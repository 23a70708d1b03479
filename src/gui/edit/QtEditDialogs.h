#pragma once

#include "core/edit/EditDialogs.h"

class QWidget;

namespace quindaro2 {

class TListForm;
class TNameForm;
class TValueForm;

// The edit commands' dialogs as the editor shows them: the three forms that
// live for the whole run, and error boxes over the main window.
class QtEditDialogs : public EditDialogs {
public:
    QtEditDialogs(TNameForm& nameForm, TListForm& listForm, TValueForm& valueForm, QWidget* parent);

    std::optional<QString> EditName(int edition, const QString& name, const AnswerCheck& check) override;
    std::optional<QString> ChooseItem(const QString& caption, const QString& label, const QStringList& choices,
                                      const QString& current) override;
    std::optional<QString> EnterValue(const QString& caption, const QString& label, const ValueRange& range,
                                      int start, const QString& hint, const AnswerCheck& check) override;
    void ShowError(const QString& message) override;

private:
    TNameForm& nameForm_;
    TListForm& listForm_;
    TValueForm& valueForm_;
    QWidget* parent_;
};

} // namespace quindaro2
