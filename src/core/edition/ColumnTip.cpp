#include "core/edition/ColumnTip.h"

#include "core/edition/ColumnTable.h"

#include <QCoreApplication>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ColumnTip)
};

QString Meaning(ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Name: return Text::tr("選手の名前．ローマ字でも入力できます");
    case ColumnKind::BattingAverage: return Text::tr("試合で使われる打率（打つ力）");
    case ColumnKind::ShownAverage: return Text::tr("画面に表示されるだけの打率（実打率とは別）");
    case ColumnKind::HomeRuns: return Text::tr("試合で使われる本塁打の力");
    case ColumnKind::ShownHomeRuns: return Text::tr("画面に表示されるだけの本塁打数（実本塁打とは別）");
    case ColumnKind::EarnedRunAverage: return Text::tr("100 倍した値で入力します（270 は 2.70）");
    default: return {};
    }
}

} // namespace

QString ColumnTip(const ColumnDescriptor& column)
{
    QStringList lines{column.header};
    if (const QString meaning = Meaning(column.kind); !meaning.isEmpty())
        lines << meaning;
    if (column.choices) {
        //: Between the texts offered.
        lines << Text::tr("選べるもの：%1").arg(column.choices->OfferedTexts().join(Text::tr("、")));
    } else if (column.range) {
        lines << Text::tr("範囲：%1～%2").arg(column.range->minimum).arg(column.range->maximum);
    }
    if (const QString hint = column.shownHint().trimmed(); !hint.isEmpty())
        lines << hint;
    return lines.join(u'\n');
}

} // namespace quindaro2
