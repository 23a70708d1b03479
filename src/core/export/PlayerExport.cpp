#include "core/export/PlayerExport.h"

#include "core/edition/ColumnTable.h"
#include "core/edition/Edition.h"
#include "core/edition/EditionLayout.h"
#include "core/file/FileIdentity.h"
#include "core/file/FileWriter.h"
#include "core/file/RomFile.h"
#include "core/rom/NameCodec.h"
#include "core/roster/CellText.h"
#include "core/roster/FieldCodec.h"

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
    return ExportedHeadings(kind, edition).join(u',');
}

QString RecordLine(RecordKind kind, int edition, const Record& record)
{
    return ExportedFields(kind, edition, record).join(u',');
}

// The heading line and one line per record slot, in stored order.
bool AppendRecords(RecordKind kind, const RomImage& image, const QString& romPath, int edition, int team, QString& text,
                   QString& error)
{
    text += HeadingLine(kind, edition) + kLineEnd;
    const int slots = RecordsPerTeam(kind, edition).value_or(0);
    for (int slot = 0; slot < slots; ++slot) {
        const RecordRead read = image.record(kind, edition, team, slot);
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

// Shift-JIS (code page 932) as the files have always been written.
bool ToShiftJis(QStringEncoder& encoder, const QString& text, QByteArray& bytes)
{
    bytes = encoder(text);
    return !encoder.hasError();
}

// The text of one team as it appears in the files (team line, both heading
// lines, one line per record slot), before the conversion to Shift-JIS.
struct TeamText {
    QString text;
    QString error;  // names the record that could not be read completely

    bool ok() const { return error.isEmpty(); }
};

TeamText TeamLines(const RomImage& image, const QString& romPath, int edition, int team)
{
    TeamText result;
    if (team < 0 || team >= TeamCount(edition)) {
        result.error = QStringLiteral("%1 年版にチーム %2 はありません").arg(edition).arg(team);
        return result;
    }
    QString text = QStringLiteral("%1チーム").arg(TeamLabel(edition, team)) + kLineEnd;
    if (!AppendRecords(RecordKind::Batter, image, romPath, edition, team, text, result.error)
        || !AppendRecords(RecordKind::Pitcher, image, romPath, edition, team, text, result.error))
        return result;
    result.text = text;
    return result;
}

} // namespace

QStringList ExportedHeadings(RecordKind kind, int edition)
{
    QStringList headers;
    for (const ColumnDescriptor& column : Columns(kind, edition))
        headers << column.header;
    return headers;
}

QStringList ExportedFields(RecordKind kind, int edition, const Record& record)
{
    QStringList fields;
    for (const ColumnDescriptor& column : Columns(kind, edition)) {
        if (column.isName()) {
            fields << DecodeName(edition, record);
            continue;
        }
        const int value = DecodeColumn(column, record);
        if (column.choices)
            fields << (value < 0 ? QString() : column.choices->texts[value]);
        else
            fields << DecimalText(value);  // the 1991 type stays the whole byte here, unlike in the grid
    }
    return fields;
}

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

Result<std::vector<ExportFile>> PlayerExportFiles(const RomImage& image, const QString& romPath, int edition,
                                                  const QString& chosenFileName, ExportMode mode)
{
    using Files = Result<std::vector<ExportFile>>;
    if (!IsEdition(edition))
        return Files::Failed(QStringLiteral("%1 は版ではありません（%2）").arg(edition).arg(EditionSpan()));
    if (chosenFileName.isEmpty())
        return Files::Failed(QStringLiteral("出力ファイルが選ばれていません"));

    QStringEncoder encoder("windows-31j");
    if (!encoder.isValid())
        return Files::Failed(QStringLiteral("Shift-JIS に変換できません"));
    const int teams = TeamCount(edition);
    std::vector<QByteArray> texts;
    for (int team = 0; team < teams; ++team) {
        const TeamText text = TeamLines(image, romPath, edition, team);
        if (!text.ok())
            return Files::Failed(text.error);
        QByteArray bytes;
        if (!ToShiftJis(encoder, text.text, bytes))
            return Files::Failed(
                QStringLiteral("チーム %1 のデータを Shift-JIS に変換できません").arg(TeamLabel(edition, team)));
        texts.push_back(std::move(bytes));
    }

    std::vector<ExportFile> files;
    if (mode == ExportMode::OneFile) {
        QByteArray all;
        for (const QByteArray& text : texts)
            all += text;
        files.push_back({chosenFileName, all});
    } else {
        for (int team = 0; team < teams; ++team)
            files.push_back({TeamFileName(chosenFileName, edition, team), texts[static_cast<std::size_t>(team)]});
    }
    return files;
}

ExportResult ExportPlayerData(const QString& romPath, int edition, const QString& chosenFileName, ExportMode mode)
{
    ExportResult result;
    const Result<RomImage> image = ReadRomFile(romPath);
    if (!image) {
        result.error = image.reason();
        return result;
    }
    // Every record is read and converted before the first file is touched.
    const Result<std::vector<ExportFile>> files = PlayerExportFiles(image.value(), romPath, edition, chosenFileName, mode);
    if (!files) {
        result.error = files.reason();
        return result;
    }
    for (const ExportFile& file : files.value()) {
        if (SameFile(file.path, romPath)) {
            result.error = QStringLiteral("%1 は開いている ROM ファイルです。ROM を壊さないよう、出力先には使えません").arg(file.path);
            return result;
        }
    }
    for (const ExportFile& file : files.value()) {
        if (const Status written = WriteWholeFile(file.path, file.bytes); !written) {
            result.error = written.reason();
            return result;
        }
        result.writtenFiles << file.path;
    }
    return result;
}

} // namespace quindaro2
