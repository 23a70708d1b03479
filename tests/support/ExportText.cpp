#include "support/ExportText.h"

#include "core/export/PlayerExport.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <random>
#include <stdexcept>

namespace quindaro2::test {

namespace {

constexpr RecordKind kKinds[] = {RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager};

// Past the last byte that any record or colour of the edition occupies.
qint64 RosterEnd(int edition, int trainer)
{
    qint64 end = SyntheticRom::kDefaultSize;
    for (int team = 0; team < TeamCount(edition); ++team) {
        for (const RecordKind kind : kKinds) {
            for (int slot = 0; slot < RecordsPerTeam(kind, edition).value_or(0); ++slot)
                end = std::max(end, *RecordOffset(kind, edition, team, slot, trainer) + *RecordSize(kind, edition));
        }
        end = std::max(end, ColorOffsets(edition, team, trainer)->uniform + 1);
    }
    return end;
}

} // namespace

SyntheticRom RandomRoster(int edition, unsigned seed, bool trainer)
{
    SyntheticRom rom(RosterEnd(edition, trainer ? 1 : 0));
    rom.withTrainer(trainer);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int team = 0; team < TeamCount(edition); ++team) {
        for (const RecordKind kind : kKinds) {
            for (int slot = 0; slot < RecordsPerTeam(kind, edition).value_or(0); ++slot) {
                Record record = MakeRecord(kind, edition);
                for (int i = 0; i < record.size; ++i)
                    record[i] = static_cast<std::uint8_t>(byte(random));
                rom.setRecord(kind, edition, team, slot, record);
            }
        }
        rom.setColors(edition, team, {static_cast<std::uint8_t>(byte(random)), static_cast<std::uint8_t>(byte(random))});
    }
    return rom;
}

QStringList ExportLines(const RomImage& image, int edition)
{
    const Result<std::vector<ExportFile>> files =
        PlayerExportFiles(image, QStringLiteral("rom.nes"), edition, QStringLiteral("players.txt"), ExportMode::OneFile);
    if (!files)
        throw std::runtime_error(files.reason().toStdString());
    QStringDecoder decoder("windows-31j");
    QString text = decoder(files->front().bytes);
    text.chop(2);  // the last line's CR LF
    return text.split(QStringLiteral("\r\n"));
}

int ExportLineIndex(int edition, int team, RecordKind grid, int slot)
{
    const int batters = RecordsPerTeam(RecordKind::Batter, edition).value_or(0);
    const int pitchers = RecordsPerTeam(RecordKind::Pitcher, edition).value_or(0);
    const int teamLines = 3 + batters + pitchers;
    const int inTeam = grid == RecordKind::Batter ? 2 + slot : 3 + batters + slot;
    return team * teamLines + inTeam;
}

void SetField(QStringList& lines, int index, int column, const QString& text)
{
    QStringList fields = lines[index].split(u',');
    fields[column - 1] = text;
    lines[index] = fields.join(u',');
}

QString Field(const QStringList& lines, int index, int column)
{
    return lines[index].split(u',')[column - 1];
}

QByteArray ShiftJisText(const QStringList& lines)
{
    QStringEncoder encoder("windows-31j");
    return encoder(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

QByteArray Utf8Text(const QStringList& lines, bool byteOrderMark)
{
    const QByteArray text = (lines.join(u'\n') + u'\n').toUtf8();
    return byteOrderMark ? QByteArray("\xEF\xBB\xBF", 3) + text : text;
}

} // namespace quindaro2::test
