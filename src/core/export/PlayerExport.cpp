#include "core/export/PlayerExport.h"

#include "core/rom/Edition.h"
#include "core/rom/EditionLayout.h"
#include "core/rom/NameCodec.h"
#include "core/rom/RomFieldAccess.h"
#include "core/roster/CellText.h"
#include "core/roster/ColumnTable.h"
#include "core/roster/FieldCodec.h"
#include "core/save/FileIdentity.h"

#include <QSaveFile>
#include <QStringEncoder>

#include <algorithm>
#include <utility>
#include <vector>

namespace quindaro2 {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

QString KindName(RecordKind kind)
{
    return kind == RecordKind::Batter ? QStringLiteral("バッター") : QStringLiteral("ピッチャー");
}

QString HeadingLine(RecordKind kind, int edition)
{
    QStringList headers;
    for (const ColumnDescriptor& column : Columns(kind, edition))
        headers << column.header;
    return headers.join(u',');
}

// One record as a line: the name first, then a comma before every further field.
QString RecordLine(RecordKind kind, int edition, const Record& record)
{
    QString line;
    for (const ColumnDescriptor& column : Columns(kind, edition)) {
        if (column.kind == kNameKind) {
            line += DecodeName(edition, record);
            continue;
        }
        line += u',';
        const int value = DecodeField(kind, edition, record, column.kind);
        if (column.choices)
            line += value < 0 ? QString() : column.choices->texts[value];
        else
            line += DecimalText(value);  // the 1991 type stays the whole byte here, unlike in the grid
    }
    return line;
}

// The heading line and one line per record slot, in stored order.
bool AppendRecords(RecordKind kind, const QString& romPath, int edition, int team, QString& text, QString& error)
{
    text += HeadingLine(kind, edition) + kLineEnd;
    const int slots = RecordsPerTeam(kind, edition).value_or(0);
    for (int slot = 0; slot < slots; ++slot) {
        const RecordRead read = ReadRecord(romPath, kind, edition, team, slot);
        if (!read.complete()) {
            error = QStringLiteral("%1 のチーム %2 の%3 %4 人目を読み込めません（%5）")
                        .arg(romPath, TeamLabel(edition, team), KindName(kind))
                        .arg(slot + 1)
                        .arg(read.reason);
            return false;
        }
        text += RecordLine(kind, edition, read.record) + kLineEnd;
    }
    return true;
}

ExportResult Failed(ExportResult result, const QString& error)
{
    result.error = error;
    return result;
}

// Shift-JIS (code page 932) as the files have always been written.
bool ToShiftJis(const QString& text, QByteArray& bytes)
{
    QStringEncoder encoder("windows-31j");
    if (!encoder.isValid())
        return false;
    bytes = encoder(text);
    return !encoder.hasError();
}

QString WriteFile(const QString& path, const QByteArray& bytes)
{
    // A file is replaced only by a complete one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("%1 に書き込めません（%2）").arg(path, file.errorString());
    return {};
}

// The text of one team as it appears in the files (team line, both heading
// lines, one line per record slot), before the conversion to Shift-JIS.
struct TeamText {
    QString text;
    QString error;  // names the record that could not be read completely

    bool ok() const { return error.isEmpty(); }
};

TeamText TeamLines(const QString& romPath, int edition, int team)
{
    TeamText result;
    if (team < 0 || team >= TeamCount(edition)) {
        result.error = QStringLiteral("%1 年版にチーム %2 はありません").arg(edition).arg(team);
        return result;
    }
    QString text = QStringLiteral("%1チーム").arg(TeamLabel(edition, team)) + kLineEnd;
    if (!AppendRecords(RecordKind::Batter, romPath, edition, team, text, result.error)
        || !AppendRecords(RecordKind::Pitcher, romPath, edition, team, text, result.error))
        return result;
    result.text = text;
    return result;
}

} // namespace

QString TeamLabel(int edition, int team)
{
    QString code = TeamCode(edition, team);
    if (code.size() == 2 && code[1] == u' ')
        code.chop(1);
    return code;
}

QString TeamFileName(const QString& chosen, int edition, int team)
{
    qsizetype nameStart = chosen.lastIndexOf(u'/') + 1;
#ifdef Q_OS_WIN
    nameStart = std::max(nameStart, chosen.lastIndexOf(u'\\') + 1);
#endif
    const qsizetype dot = chosen.lastIndexOf(u'.');
    const bool hasExtension = dot >= nameStart;
    const QString base = hasExtension ? chosen.left(dot) : chosen;
    const QString extension = hasExtension ? chosen.mid(dot) : QString();

    const QString label = TeamLabel(edition, team);
    int occurrence = 1;
    for (int earlier = 0; earlier < team; ++earlier) {
        if (TeamLabel(edition, earlier) == label)
            ++occurrence;
    }
    const QString suffix = occurrence > 1 ? QString::number(occurrence) : QString();
    return base + u'_' + label + suffix + extension;
}

ExportResult ExportPlayerData(const QString& romPath, int edition, const QString& chosenFileName, ExportMode mode)
{
    ExportResult result;
    if (!IsEdition(edition))
        return Failed(result, QStringLiteral("%1 は版ではありません（1986～1994）").arg(edition));
    if (chosenFileName.isEmpty())
        return Failed(result, QStringLiteral("出力ファイルが選ばれていません"));

    // Every record is read and converted before the first file is touched.
    const int teams = TeamCount(edition);
    std::vector<QByteArray> texts;
    for (int team = 0; team < teams; ++team) {
        const TeamText text = TeamLines(romPath, edition, team);
        if (!text.ok())
            return Failed(result, text.error);
        QByteArray bytes;
        if (!ToShiftJis(text.text, bytes))
            return Failed(result, QStringLiteral("チーム %1 のデータを Shift-JIS に変換できません").arg(TeamLabel(edition, team)));
        texts.push_back(bytes);
    }

    std::vector<std::pair<QString, QByteArray>> files;
    if (mode == ExportMode::OneFile) {
        QByteArray all;
        for (const QByteArray& text : texts)
            all += text;
        files.emplace_back(chosenFileName, all);
    } else {
        for (int team = 0; team < teams; ++team)
            files.emplace_back(TeamFileName(chosenFileName, edition, team), texts[static_cast<std::size_t>(team)]);
    }

    for (const auto& [path, bytes] : files) {
        if (SameFile(path, romPath))
            return Failed(result, QStringLiteral("%1 は開いている ROM ファイルです。ROM を壊さないよう、出力先には使えません").arg(path));
    }
    for (const auto& [path, bytes] : files) {
        const QString error = WriteFile(path, bytes);
        if (!error.isEmpty())
            return Failed(result, error);
        result.writtenFiles << path;
    }
    return result;
}

} // namespace quindaro2
