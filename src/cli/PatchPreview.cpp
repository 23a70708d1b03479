#include "cli/PatchPreview.h"

#include "core/patch/Crc32.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace quindaro2::cli {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(PatchPreview)
};

// Enough bytes of a run to recognise it on a line.
constexpr qsizetype kShownBytes = 16;

QString KindWord(PatchKind kind)
{
    return kind == PatchKind::Ips ? QStringLiteral("ips") : QStringLiteral("bps");
}

QJsonObject FileJson(const QByteArray& bytes)
{
    return {{QStringLiteral("size"), bytes.size()},
            {QStringLiteral("crc32"), QStringLiteral("%1").arg(Crc32(bytes), 8, 16, QLatin1Char('0'))}};
}

// "0A 0B 0C", the first bytes only, "(なし)" for none.
QString ShownBytes(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return Text::tr("（なし）");
    QString text = QString::fromLatin1(bytes.left(kShownBytes).toHex(' ').toUpper());
    if (bytes.size() > kShownBytes)
        text += QStringLiteral(" …");
    return text;
}

qint64 ChangedBytes(const std::vector<ByteChange>& changes)
{
    qint64 total = 0;
    for (const ByteChange& change : changes)
        total += change.length;
    return total;
}

} // namespace

PatchPreview PatchPreview::Of(const QByteArray& rom, const QByteArray& patch)
{
    PatchPreview preview{PatchKindOfBytes(patch), rom, std::nullopt, {}, {}};
    Result<AppliedPatch> applied = ApplyPatch(rom, patch);
    if (!applied) {
        preview.refusal = applied.reason();
        return preview;
    }
    preview.applied = std::move(applied).value();
    preview.changes = ByteChanges(rom, preview.applied->target);
    return preview;
}

QJsonObject PatchPreviewJson(const PatchPreview& preview)
{
    QJsonArray changes;
    for (const ByteChange& change : preview.changes)
        changes.append(QJsonObject{{QStringLiteral("offset"), change.offset},
                                   {QStringLiteral("length"), change.length},
                                   {QStringLiteral("before"), HexText(change.before)},
                                   {QStringLiteral("after"), HexText(change.after)}});
    const bool fits = preview.applied.has_value();
    return {{QStringLiteral("kind"), preview.kind ? QJsonValue(KindWord(*preview.kind)) : QJsonValue()},
            {QStringLiteral("fits"), fits},
            {QStringLiteral("verified"), fits && preview.applied->verified},
            {QStringLiteral("rom"), FileJson(preview.rom)},
            {QStringLiteral("result"), fits ? QJsonValue(FileJson(preview.applied->target)) : QJsonValue()},
            {QStringLiteral("changes"), changes}};
}

CsvTable PatchPreviewCsv(const PatchPreview& preview)
{
    CsvTable table{{QStringLiteral("offset"), QStringLiteral("length"), QStringLiteral("before"), QStringLiteral("after")},
                   {}};
    for (const ByteChange& change : preview.changes)
        table.rows.push_back({QString::number(change.offset), QString::number(change.length), HexText(change.before),
                              HexText(change.after)});
    return table;
}

QStringList PatchPreviewLines(const PatchPreview& preview)
{
    const AppliedPatch& applied = *preview.applied;
    QStringList lines;
    lines << (applied.verified
                  ? Text::tr("BPS パッチはこの ROM に合います（元の ROM と結果のチェックサムは一致しています）")
                  : Text::tr("IPS パッチは当てられますが、元の ROM を確かめる手段がないため、"
                             "この ROM のためのパッチかどうかは確かめられません"));
    lines << Text::tr("変わるのは %1 か所、%2 バイトです（大きさ %3 → %4 バイト）")
                 .arg(preview.changes.size())
                 .arg(ChangedBytes(preview.changes))
                 .arg(preview.rom.size())
                 .arg(applied.target.size());
    for (const ByteChange& change : preview.changes)
        lines << Text::tr("  0x%1  %2 バイト  %3 → %4")
                     .arg(QString::number(change.offset, 16).toUpper().rightJustified(6, u'0'))
                     .arg(change.length)
                     .arg(ShownBytes(change.before), ShownBytes(change.after));
    return lines;
}

} // namespace quindaro2::cli
