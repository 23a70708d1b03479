#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "core/export/PlayerExport.h"
#include "core/edition/Edition.h"
#include "core/rom/NameCodec.h"
#include "core/edition/EditionLayout.h"
#include "core/roster/CellText.h"
#include "core/edition/ColumnTable.h"
#include "core/edition/EditionProfile.h"
#include "core/roster/GridFill.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstring>

namespace quindaro2::fuzz {

namespace {

constexpr std::array<RecordKind, 3> kGrids{RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager};
constexpr qint64 kLargestRom = 0x40010 + kTrainerShift;

// The ROM as the fuzzer describes it. Raw: the bytes are the file. Placed: a
// zero file of a chosen length with a chosen header, the rest of the bytes
// laid at the chosen team's first record, so that short inputs reach deep.
struct RomCase {
    int edition = 0;
    int team = 0;
    ExportMode mode = ExportMode::OneFile;
    QByteArray bytes;
};

int TrainerOf(const QByteArray& rom)
{
    return rom.size() >= 8 && (rom[6] & 0x04) != 0 ? 1 : 0;
}

RomCase CaseFrom(FuzzInput& input)
{
    RomCase rom;
    rom.edition = kFirstEdition + input.byte() % (kEditionCount + 1);  // one in ten is no edition
    const std::uint8_t team = input.byte();
    rom.team = (team & 0x80) != 0 ? (team & 0x7F) % 20 - 2 : team % std::max(TeamCount(rom.edition), 1);
    const std::uint8_t flags = input.byte();
    rom.mode = (flags & 1) != 0 ? ExportMode::PerTeam : ExportMode::OneFile;
    if ((flags & 2) == 0) {
        rom.bytes = input.rest();
        return rom;
    }
    const qint64 length = std::min<qint64>(input.uint32() & 0xFFFFFF, kLargestRom);
    rom.bytes = QByteArray(length, '\0');
    const QByteArray header = input.bytes(16);
    std::memcpy(rom.bytes.data(), header.constData(), static_cast<std::size_t>(std::min(header.size(), rom.bytes.size())));
    const QByteArray payload = input.rest();
    const int placedTeam = rom.team >= 0 && rom.team < TeamCount(rom.edition) ? rom.team : 0;
    const qint64 at = RecordOffset(RecordKind::Batter, rom.edition, placedTeam, 0, TrainerOf(rom.bytes)).value_or(16);
    if (at < rom.bytes.size())
        std::memcpy(rom.bytes.data() + at, payload.constData(),
                    static_cast<std::size_t>(std::min<qint64>(payload.size(), rom.bytes.size() - at)));
    return rom;
}

bool RecordComplete(const QByteArray& rom, RecordKind kind, int edition, int team, int slot)
{
    const std::optional<qint64> at = RecordOffset(kind, edition, team, slot, TrainerOf(rom));
    return at && *at + RecordSize(kind, edition).value_or(0) <= rom.size();
}

bool TeamComplete(const QByteArray& rom, int edition, int team)
{
    for (const RecordKind kind : kGrids) {
        for (int slot = 0; slot < RecordsPerTeam(kind, edition).value_or(0); ++slot) {
            if (!RecordComplete(rom, kind, edition, team, slot))
                return false;
        }
    }
    return true;
}

bool ColorsPresent(const QByteArray& rom, int edition, int team)
{
    const std::optional<TeamColorOffsets> at = ColorOffsets(edition, team, TrainerOf(rom));
    return at && at->helmet < rom.size() && at->uniform < rom.size();
}

// A filled row is empty when its record could not be read at all; otherwise
// every cell holds what its column can show.
void CheckRow(RecordKind kind, int edition, const TextGrid& grid, int row, bool readable)
{
    const std::span<const ColumnDescriptor> columns = Columns(kind, edition);
    Require(grid.cell(0, row) == DecimalText(row), "a row is numbered", [&] { return QStringLiteral("row %1").arg(row); });
    for (int c = 1; c <= static_cast<int>(columns.size()); ++c) {
        const ColumnDescriptor& column = columns[static_cast<std::size_t>(c - 1)];
        const QString& text = grid.cell(c, row);
        const auto where = [&] {
            return QStringLiteral("edition %1 grid %2 cell (%3, %4) '%5'")
                .arg(edition)
                .arg(static_cast<int>(kind))
                .arg(c)
                .arg(row)
                .arg(text);
        };
        if (!readable) {
            Require(text.isEmpty(), "a row whose record cannot be read stays empty", where);
            continue;
        }
        if (column.isName())
            Require(text.size() == NameLength(edition), "a name cell has one character per name byte", where);
        else if (column.choices)
            Require(text.isEmpty() || column.choices->texts.contains(text), "a list cell holds a list text or nothing", where);
        else
            Require(StrictInteger(text).has_value(), "a number cell holds a whole number", where);
    }
}

void CheckFill(const RomCase& rom, const TeamView& team)
{
    const int edition = rom.edition;
    const TeamView& report = team;
    if (rom.team < 0 || rom.team >= TeamCount(edition)) {
        Require(!report.readProblems.isEmpty(), "a team that does not exist cannot be read");
        return;
    }
    for (const RecordKind kind : kGrids) {
        const TextGrid& grid = team.grid(kind);
        const std::optional<int> rows = RecordsPerTeam(kind, edition);
        if (!rows) {
            Require(grid.rowCount() == 0 && grid.columnCount() == 0, "a grid the edition lacks is empty");
            continue;
        }
        Require(grid.rowCount() == *rows + 1 && grid.columnCount() == GridColumns(kind, edition).value_or(0) + 1,
                "a filled grid has the edition's size");
        for (int slot = 0; slot < *rows; ++slot) {
            const std::optional<qint64> at = RecordOffset(kind, edition, rom.team, slot, TrainerOf(rom.bytes));
            CheckRow(kind, edition, grid, slot + 1, at && *at < rom.bytes.size());
        }
    }
    const bool complete = TeamComplete(rom.bytes, edition, rom.team) && ColorsPresent(rom.bytes, edition, rom.team);
    Require(complete == report.readProblems.isEmpty(), "a fill reports a problem exactly when the team's bytes are missing",
            [&] { return report.readProblems.join(u'\n'); });
    Require(report.warnings.size() <= 3, "a fill shows at most one warning per grid");
}

QStringList FilesOf(const RomCase& rom, const QString& chosen)
{
    if (rom.mode == ExportMode::OneFile)
        return {chosen};
    QStringList files;
    for (int team = 0; team < TeamCount(rom.edition); ++team)
        files << TeamFileName(chosen, rom.edition, team);
    return files;
}

// The export of one team, line by line, compared with the filled grids: the
// same decoders, so the same texts, but for the 1991 type, which the export
// keeps as the whole byte.
void CompareWithGrids(const QStringList& lines, qsizetype first, int edition, const TeamView& team)
{
    qsizetype line = first;
    Require(lines.value(line++) == TeamLabel(edition, team.team) + QStringLiteral("チーム"),
            "an exported team starts with its team line", [&] { return lines.value(first); });
    for (const RecordKind kind : {RecordKind::Batter, RecordKind::Pitcher}) {
        const TextGrid& grid = team.grid(kind);
        QStringList headings;
        for (int c = 1; c < grid.columnCount(); ++c)
            headings << grid.cell(c, 0);
        Require(lines.value(line++) == headings.join(u','), "an exported heading line is the grid's headings");
        for (int row = 1; row < grid.rowCount(); ++row, ++line) {
            const QStringList fields = lines.value(line).split(u',');
            Require(fields.size() == grid.columnCount() - 1, "an exported line has one field per column", [&] { return lines.value(line); });
            for (int c = 1; c < grid.columnCount(); ++c) {
                const QString& field = fields.value(c - 1);
                const QString& cell = grid.cell(c, row);
                const ColumnDescriptor* column = Column(kind, edition, c);
                const bool same = column && column->kind == ColumnKind::Type ? cell == DecimalText(field.toInt() >> 4)
                                                                      : cell == field;
                Require(same, "an exported field is what the grid shows",
                        [&] { return QStringLiteral("edition %1 team %2 column %3 row %4: export '%5', grid '%6'")
                            .arg(edition)
                            .arg(team.team)
                            .arg(c)
                            .arg(row)
                            .arg(field, cell); });
            }
        }
    }
}

void CheckExport(const RomCase& rom, const QString& romPath, const TeamView* team)
{
    const QString chosen = ScratchPath(QStringLiteral("players.txt"));
    const QStringList files = FilesOf(rom, chosen);
    for (const QString& file : files)
        QFile::remove(file);

    const ExportResult result = ExportPlayerData(romPath, rom.edition, chosen, rom.mode);
    bool readable = IsEdition(rom.edition);
    for (int t = 0; readable && t < TeamCount(rom.edition); ++t) {
        for (const RecordKind kind : {RecordKind::Batter, RecordKind::Pitcher}) {
            for (int slot = 0; slot < RecordsPerTeam(kind, rom.edition).value_or(0); ++slot)
                readable = readable && RecordComplete(rom.bytes, kind, rom.edition, t, slot);
        }
    }
    Require(result.ok() == readable, "the export succeeds exactly when every record can be read", [&] { return result.error; });
    if (!result.ok()) {
        for (const QString& file : files)
            Require(!QFile::exists(file), "a failed export leaves no file behind", [&] { return file; });
        Require(result.writtenFiles.isEmpty(), "a failed export reports no file");
        return;
    }
    Require(result.writtenFiles == files, "the export writes every file in team order", [&] { return result.writtenFiles.join(u' '); });

    if (!team || rom.team < 0 || rom.team >= TeamCount(rom.edition))
        return;
    const QString shownFile = rom.mode == ExportMode::OneFile ? chosen : files.value(rom.team);
    const QByteArray bytes = ReadWholeFile(shownFile);
    QStringDecoder decoder("windows-31j");
    const QString text = decoder(bytes);
    Require(!decoder.hasError(), "the export is Shift-JIS");
    Require(text.endsWith(QStringLiteral("\r\n")), "every exported line ends with CR LF");
    const QStringList lines = text.chopped(2).split(QStringLiteral("\r\n"));
    const int perTeam = 3 + RecordsPerTeam(RecordKind::Batter, rom.edition).value_or(0)
                        + RecordsPerTeam(RecordKind::Pitcher, rom.edition).value_or(0);
    const int teams = rom.mode == ExportMode::OneFile ? TeamCount(rom.edition) : 1;
    Require(lines.size() == perTeam * teams, "the export has a team line, two heading lines and one line per record",
            [&] { return QString::number(lines.size()); });
    const qsizetype first = rom.mode == ExportMode::OneFile ? static_cast<qsizetype>(perTeam) * rom.team : 0;
    CompareWithGrids(lines, first, rom.edition, *team);
}

} // namespace

int FuzzFillExport(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const RomCase rom = CaseFrom(input);
    const QString romPath = ScratchPath(QStringLiteral("fill.nes"));
    Require(WriteWholeFile(romPath, rom.bytes), "the ROM file can be written");

    // A year that is no edition has no profile to fill a team with; its export fails.
    std::optional<TeamView> team;
    if (const EditionProfile* profile = FindProfile(rom.edition)) {
        team = FillTeam(*profile, RomImage(ReadWholeFile(romPath)), rom.team);
        CheckFill(rom, *team);
    }
    CheckExport(rom, romPath, team ? &*team : nullptr);
    Require(ReadWholeFile(romPath) == rom.bytes, "neither the fill nor the export changes the ROM");
    return 0;
}

} // namespace quindaro2::fuzz
