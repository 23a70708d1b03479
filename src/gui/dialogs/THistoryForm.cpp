#include "gui/dialogs/THistoryForm.h"

#include "gui/dialogs/JapaneseFont.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quindaro2 {

// The notes are translated like the rest of the window.
QList<THistoryForm::Release> THistoryForm::Releases()
{
    return {
        {QStringLiteral("0.2.0"),
         QStringLiteral("2026-12-08"),
         {
             THistoryForm::tr("・編集の取り消しとやり直し"),
             THistoryForm::tr("・ROMの版を推定して提案"),
             THistoryForm::tr("・出力した選手データを表計算ソフトで直して取り込み"),
             THistoryForm::tr("・IPS・BPS パッチとして保存"),
             THistoryForm::tr("・各版のサンプルROMを開く"),
             THistoryForm::tr("・最近開いたファイルと設定を記憶"),
             THistoryForm::tr("・英語の画面"),
             THistoryForm::tr("・保存でファイルの権限、所有者、リンクを保つ"),
             THistoryForm::tr("・ほかのプログラムが変更したチームは上書きの前に確認"),
         }},
        {QStringLiteral("0.1.0"),
         QStringLiteral("2026-12-08"),
         {
             THistoryForm::tr("・最初の公開版"),
             THistoryForm::tr("・86～94の各版のROMを開いて編集"),
             THistoryForm::tr("・バッター、ピッチャー、監督を表で表示"),
             THistoryForm::tr("・名前、打席、投法、能力値の編集"),
             THistoryForm::tr("・守備位置、背番号、ユニフォームの編集"),
             THistoryForm::tr("・帽子とユニフォームの色の変更"),
             THistoryForm::tr("・行のドラッグで選手を並べ替え"),
             THistoryForm::tr("・チームの平均打率、総本塁打などを表示"),
             THistoryForm::tr("・保存は一括置き換え（失敗しても元のまま）"),
             THistoryForm::tr("・別の名前での保存"),
             THistoryForm::tr("・チーム切り替え時に未保存の変更を確認"),
             THistoryForm::tr("・全チームの選手データをコンマ区切りで出力"),
             THistoryForm::tr("・出力先は1ファイルかチームごとを選択"),
         }},
    };
}

QStringList THistoryForm::NoteLines(const QString& title, const QList<Release>& releases)
{
    QStringList lines{title};
    for (qsizetype i = 0; i < releases.size(); ++i) {
        if (i > 0)
            lines << QString();
        lines << QStringLiteral("Ver %1  %2").arg(releases[i].version, releases[i].date);
        lines << releases[i].changes;
    }
    return lines;
}

THistoryForm::THistoryForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("履歴"));
    setFont(JapaneseFont());

    auto* panel = new QLabel(tr("更新履歴"), this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFixedHeight(41);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFocusPolicy(Qt::ClickFocus);
    ListBox1->setMinimumHeight(100);
    // A long line scrolls sideways instead of being cut off.
    ListBox1->setTextElideMode(Qt::ElideNone);
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ListBox1->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    ListBox1->addItems(NoteLines(tr("QUINDARO2 更新履歴"), Releases()));

    OkButton = new QPushButton(tr("OK"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setFixedSize(75, 25);
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 8, 0, 8);
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addStretch();

    // The list takes what the window grows by; at the first size it is 368 high.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addWidget(ListBox1, 1);
    layout->addLayout(buttons);

    // 302 x 480 with an ordinary title bar and frame around it.
    resize(294, 41 + 368 + 41);
    OkButton->setFocus();
}

void THistoryForm::reject()
{
    accept();
}

} // namespace quindaro2
