#include "core/export/PlayerExport.h"

#include "core/edition/EditionProfile.h"

#include "core/edition/ColumnTable.h"
#include "core/edition/Edition.h"
#include "core/edition/EditionLayout.h"
#include "core/export/ExportVocabulary.h"
#include "core/file/FileIdentity.h"
#include "core/file/FileWriter.h"
#include "core/file/RomFile.h"
#include "core/rom/NameCodec.h"
#include "core/roster/CellText.h"
#include "core/roster/FieldCodec.h"

#include <QCoreApplication>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(PlayerExport)
};

// What follows the label on a team line; the file's text, never translated.
const QString kTeamLineEnd = QStringLiteral("チーム");

QString KindName(RecordKind kind)
{
    return kind == RecordKind::Batter ? Text::tr("バッター") : Text::tr("ピッチャー");
}

// The heading line and one line per record slot, in stored order; why not,
// naming the record that could not be read completely.
QString AppendRecords(RecordKind kind, const ExportVocabulary& words, const RomImage& image, const QString& romPath,
                      int edition, int team, std::string& text)
{
    const QByteArrayView heading = words.headingLine(kind);
    text.append(heading.data(), static_cast<std::size_t>(heading.size()));
    const int slots = FindProfile(edition)->slots(kind);
    for (int slot = 0; slot < slots; ++slot) {
        const RecordRead read = image.record(kind, edition, team, slot);
        if (!read.complete())
            return Text::tr("%1 のチーム %2 の%3 %4 人目を読み込めません（%5）")
                .arg(romPath, TeamLabel(edition, team), KindName(kind), QString::number(slot + 1), read.reason);
        words.appendRecordLine(kind, read.record, text);
    }
    return {};
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
        if (column.choices) {
            const std::optional<int> choice = DecodeChoice(column, record);
            fields << (choice ? column.choices->texts[*choice] : QString());
        } else {
            fields << DecimalText(DecodeNumber(column, record));  // the 1991 type stays the whole byte here, unlike in the grid
        }
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

std::vector<int> TeamsLabelled(int edition, const QString& label)
{
    std::vector<int> teams;
    for (int team = 0; team < TeamCount(edition); ++team) {
        if (TeamLabel(edition, team) == label)
            teams.push_back(team);
    }
    return teams;
}

QString TeamLine(int edition, int team)
{
    return TeamLabel(edition, team) + kTeamLineEnd;
}

std::optional<QString> LabelOfTeamLine(const QString& text)
{
    if (!text.endsWith(kTeamLineEnd) || text.size() == kTeamLineEnd.size())
        return std::nullopt;
    return text.chopped(kTeamLineEnd.size());
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
    const std::vector<int> sharing = TeamsLabelled(edition, label);
    const auto occurrence = std::find(sharing.begin(), sharing.end(), team) - sharing.begin() + 1;
    const QString suffix = occurrence > 1 ? QString::number(occurrence) : QString();
    return base + u'_' + label + suffix + extension;
}

Result<std::vector<ExportFile>> PlayerExportFiles(const RomImage& image, const QString& romPath, int edition,
                                                  const QString& chosenFileName, ExportMode mode)
{
    using Files = Result<std::vector<ExportFile>>;
    if (!IsEdition(edition))
        return Files::Failed(NotAnEdition(edition));
    if (chosenFileName.isEmpty())
        return Files::Failed(Text::tr("出力ファイルが選ばれていません"));
    const ExportVocabulary& words = ExportVocabulary::Of(edition);
    if (!words.ok())
        return Files::Failed(Text::tr("%1年版の文字を Shift-JIS に変換できません").arg(edition));

    const int teams = TeamCount(edition);
    std::vector<QByteArray> texts;
    std::string text;
    for (int team = 0; team < teams; ++team) {
        const QByteArrayView teamLine = words.teamLine(team);
        text.assign(teamLine.data(), static_cast<std::size_t>(teamLine.size()));
        for (const RecordKind kind : {RecordKind::Batter, RecordKind::Pitcher}) {
            if (const QString error = AppendRecords(kind, words, image, romPath, edition, team, text); !error.isEmpty())
                return Files::Failed(error);
        }
        texts.emplace_back(text.data(), static_cast<qsizetype>(text.size()));
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
    const Result<RomImage> image = ReadRomFile(romPath);
    if (!image) {
        ExportResult result;
        result.error = image.reason();
        return result;
    }
    return ExportPlayerData(image.value(), romPath, edition, chosenFileName, mode);
}

ExportResult ExportPlayerData(const RomImage& image, const QString& romPath, int edition, const QString& chosenFileName,
                              ExportMode mode)
{
    ExportResult result;
    // Every record is read and converted before the first file is touched.
    const Result<std::vector<ExportFile>> files = PlayerExportFiles(image, romPath, edition, chosenFileName, mode);
    if (!files) {
        result.error = files.reason();
        return result;
    }
    for (const ExportFile& file : files.value()) {
        if (SameFile(file.path, romPath)) {
            result.error = Text::tr("%1 は開いている ROM ファイルです。ROM を壊さないよう、出力先には使えません").arg(file.path);
            return result;
        }
    }
    std::vector<FileContent> contents;
    for (const ExportFile& file : files.value())
        contents.push_back({file.path, file.bytes});
    FilesWritten written = WriteWholeFiles(contents);
    result.writtenFiles = std::move(written.written);
    result.error = std::move(written.error);
    return result;
}

} // namespace quindaro2
