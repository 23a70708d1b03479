#include "cli/ScriptedDialogs.h"

#include "core/rom/Edition.h"
#include "core/edit/NameProblem.h"
#include "core/rom/NameCodec.h"
#include "core/roster/CellText.h"

#include <utility>

namespace quindaro2::cli {

namespace {

QString RangeText(const ValueRange& range)
{
    return QStringLiteral("%1～%2").arg(range.minimum).arg(range.maximum);
}

} // namespace

ScriptedDialogs::ScriptedDialogs(QString answer) : answer_(std::move(answer)) {}

std::optional<QString> ScriptedDialogs::EditName(int edition, const QString&)
{
    refusal_ = NameProblem(edition, answer_);
    if (!refusal_.isEmpty())
        return std::nullopt;
    return answer_;
}

std::optional<QString> ScriptedDialogs::ChooseItem(const QString& caption, const QString&, const QStringList& choices)
{
    if (choices.contains(answer_))
        return answer_;
    refusal_ = QStringLiteral("「%1」に「%2」は選べません。選べるもの：%3")
                   .arg(caption, answer_, choices.join(QStringLiteral("、")));
    return std::nullopt;
}

std::optional<int> ScriptedDialogs::EnterValue(const QString& caption, const QString&, const ValueRange& range, int,
                                               const QString&)
{
    const std::optional<int> value = StrictInteger(answer_);
    if (!value) {
        refusal_ = QStringLiteral("「%1」の値「%2」は整数ではありません。範囲：%3").arg(caption, answer_, RangeText(range));
        return std::nullopt;
    }
    if (!range.contains(*value)) {
        refusal_ = QStringLiteral("「%1」の値 %2 は範囲外です。範囲：%3").arg(caption).arg(*value).arg(RangeText(range));
        return std::nullopt;
    }
    return value;
}

void ScriptedDialogs::ShowError(const QString& message)
{
    refusal_ = message;
}

} // namespace quindaro2::cli
