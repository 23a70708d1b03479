#include "core/import/PlayerImport.h"

#include "core/edit/CellEdit.h"
#include "core/edition/ColumnTable.h"
#include "core/edition/Edition.h"
#include "core/export/PlayerExport.h"
#include "core/import/ImportReport.h"
#include "core/import/TeamSections.h"
#include "core/import/TextLines.h"
#include "core/rom/NameCodec.h"
#include "core/roster/CellText.h"
#include "core/roster/FieldCodec.h"
#include "core/document/TeamAreas.h"
#include "core/edition/EditionProfile.h"
#include "core/roster/GridFill.h"
#include "core/roster/GridName.h"
#include "core/roster/WriteBack.h"

#include <QCoreApplication>

#include <algorithm>
#include <map>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(PlayerImport)
};

// A cell the texts change, and what they ask its export to read afterwards.
struct EnteredCell {
    QString file;
    int line = 0;
    RecordKind grid = RecordKind::Batter;
    int slot = 0;
    int column = 0;  // grid column, 1-based
    QString wanted;
};

// One team on its way from the texts into the image: edited cell by cell
// through the edits' own validation.
struct TeamImport {
    int team = 0;
    std::vector<EnteredCell> entered;
    // 1991 types: the whole byte asked for, which the grid (type only) may not carry.
    std::vector<std::pair<EnteredCell, int>> typeBytes;
};

QString PaddedName(int edition, const QString& text)
{
    return text.leftJustified(NameLength(edition), u'　');
}

// The text leaves the cell as exported: the same text, the same number, or
// the name without its trailing blanks.
bool Unchanged(int edition, const ColumnDescriptor& column, const QString& text, const QString& exported)
{
    if (text == exported)
        return true;
    if (column.isName())
        return PaddedName(edition, text) == exported;
    if (column.choices)
        return false;
    const std::optional<int> a = StrictInteger(text);
    const std::optional<int> b = StrictInteger(exported);
    return a && b && *a == *b;
}

// The 1991 type's whole byte: 16 × type + the fielding position for batters,
// 16 × type + 1 for pitchers.
std::optional<int> TypeByte(const QString& text)
{
    const std::optional<int> value = StrictInteger(text);
    if (!value || *value < 0 || *value > 0xFF)
        return std::nullopt;
    return value;
}

QString TypeRefusal(RecordKind grid, const QString& text)
{
    const std::optional<int> byte = TypeByte(text);
    if (!byte)
        return grid == RecordKind::Batter
            ? Text::tr("「タイプ」は 16 × タイプ + 守備位置 の値です（0～255 の整数）")
            : Text::tr("「タイプ」は 16 × タイプ + 1 の値です（0～255 の整数）");
    if (grid == RecordKind::Pitcher && (*byte & 0x0F) != 1)
        return Text::tr("ピッチャーの「タイプ」は 16 × タイプ + 1 の値です（%1 なら %2）").arg(*byte).arg((*byte & 0xF0) | 1);
    return {};
}

// A 1991 batter's type and position share one byte: a line whose two
// columns say different things of it is refused.
QString PositionConflict(int edition, const QStringList& fields, int typeColumn, int positionColumn)
{
    const std::optional<int> byte = TypeByte(fields[typeColumn - 1]);
    const std::optional<int> position = StrictInteger(fields[positionColumn - 1]);
    if (!byte || !position || *position < 0 || *position > 0x0F || (*byte & 0x0F) == *position)
        return {};
    return Text::tr("「タイプ」%1 の守備位置の部分 %2 が「守備位置」%3 と違います（%4年版のタイプは 16 × タイプ + 守備位置。"
                    "守備位置 %3 なら %5）")
        .arg(*byte)
        .arg(*byte & 0x0F)
        .arg(*position)
        .arg(edition)
        .arg((*byte & 0xF0) | *position);
}

class Importer {
public:
    explicit Importer(const RomDocument& document)
        : image_(document.image()),
          edition_(document.edition()),
          profile_(document.profile()),
          scratch_(document.path(), document.profile(), document.image())
    {
    }

    void read(const ImportFile& file)
    {
        files_.push_back(file.path);
        if (file.tooLarge) {
            refuse({file.path, 0, {}, {},
                    Text::tr("ファイルが大きすぎます（取り込むテキストは合わせて %1 MiB まで）").arg(kLargestImportText / (1024 * 1024))});
            return;
        }
        const TextLines text = DecodeTextLines(file.bytes);
        if (!text.ok()) {
            refuse({file.path, text.problemLine, {}, {}, text.problem});
            return;
        }
        lines_ += text.lines.size();
        if (lines_ > kMostImportLines) {
            refuse({file.path, 0, {}, {}, Text::tr("行が多すぎます（取り込むテキストは合わせて %1 行まで）").arg(kMostImportLines)});
            return;
        }
        FileTeams found = SplitTeams(file.path, edition_, text.lines);
        for (ImportProblem& problem : found.problems)
            refuse(std::move(problem));
        for (TeamSection& section : found.teams)
            sections_.push_back(std::move(section));
    }

    Result<PlayerImport> finish()
    {
        PlayerImport result;
        result.image = image_;
        std::map<int, const TeamSection*> byTeam;
        for (const TeamSection& section : sections_) {
            const auto [first, added] = byTeam.emplace(section.team, &section);
            if (!added)
                refuse({section.file, section.teamLine, {}, {},
                                     Text::tr("%1は %2 の %3 行目にもあります。1つのチームは1回だけ取り込めます")
                                         .arg(ImportTeamName(edition_, section.team), first->second->file,
                                              QString::number(first->second->teamLine))});
        }
        std::vector<TeamImport> teams;
        for (const auto& [team, section] : byTeam) {
            result.teams.push_back(team);
            Result<TeamImport> imported = importTeam(*section);
            if (!imported)
                return Result<PlayerImport>::Failed(imported.reason());
            teams.push_back(std::move(imported).value());
        }
        result.problems = inFileOrder(problems_);
        result.unlistedProblems = unlisted_;
        if (!result.ok())
            return result;

        for (const TeamImport& team : teams) {
            if (const Status stored = storeTypeBytes(team); !stored)
                return Result<PlayerImport>::Failed(stored.reason());
        }
        const RomImage& written = scratch_.image();
        result.step.name = ChangeName(profile_, Change{0, TeamRewrite{}, {}});
        for (const TeamImport& team : teams) {
            compare(team, written, result);
            std::vector<ByteRun> runs = DifferingRuns(profile_, image_, written, team.team);
            if (!runs.empty())
                result.step.changes.push_back({team.team, TeamRewrite{}, std::move(runs)});
        }
        result.image = written;
        return result;
    }

private:
    Result<TeamImport> importTeam(const TeamSection& section)
    {
        TeamImport team;
        team.team = section.team;
        const TeamView filled = FillTeam(profile_, image_, section.team);
        if (!filled.readProblems.isEmpty())
            return Result<TeamImport>::Failed(
                Text::tr("ROM の%1を読み込めません（%2）")
                    .arg(ImportTeamName(edition_, section.team), filled.readProblems.join(Text::tr("、"))));
        for (const RecordKind grid : {RecordKind::Batter, RecordKind::Pitcher}) {
            const std::vector<TableLine>& lines = section.lines(grid);
            const int slots = std::min(static_cast<int>(lines.size()), profile_.slots(grid));
            for (int slot = 0; slot < slots; ++slot)
                importLine(team, section.file, grid, slot, lines[static_cast<std::size_t>(slot)]);
        }
        return team;
    }

    void importLine(TeamImport& team, const QString& file, RecordKind grid, int slot, const TableLine& line)
    {
        if (!line.readable)
            return;
        const std::span<const ColumnDescriptor> columns = Columns(grid, edition_);
        const int count = static_cast<int>(columns.size());
        const auto refuse = [&](const QString& heading, const QString& text, const QString& reason) {
            this->refuse({file, line.number, heading, text, reason});
        };
        if (line.fields.size() != count) {
            refuse({}, {}, Text::tr("%1の列が %2 個あります（%3 個のはず）").arg(GridName(grid)).arg(line.fields.size()).arg(count));
            return;
        }
        const RecordRead stored = image_.record(profile_, grid, team.team, slot);
        const QStringList exported = ExportedFields(grid, edition_, stored.record);

        int typeColumn = 0;
        const bool typed = ColumnOfKind(grid, edition_, ColumnKind::Type, &typeColumn) != nullptr;
        int positionColumn = 0;
        if (typed && ColumnOfKind(grid, edition_, ColumnKind::Position, &positionColumn)) {
            const auto changed = [&](int column) {
                return !Unchanged(edition_, columns[static_cast<std::size_t>(column - 1)], line.fields[column - 1],
                                  exported[column - 1]);
            };
            const QString& typeText = line.fields[typeColumn - 1];
            const QString typeHeading = columns[static_cast<std::size_t>(typeColumn - 1)].header;
            // Both columns show the byte's position: a column left as exported
            // says nothing of it, so only two changed columns can disagree.
            if (changed(typeColumn) && changed(positionColumn)) {
                if (const QString conflict = PositionConflict(edition_, line.fields, typeColumn, positionColumn);
                    !conflict.isEmpty())
                    refuse(typeHeading, typeText, conflict);
            } else if (changed(typeColumn) && TypeByte(typeText)) {
                // The whole byte asked for: its position is checked as an entered 守備位置 is.
                const QString position = DecimalText(*TypeByte(typeText) & 0x0F);
                const Record current = scratch_.image().record(profile_, grid, team.team, slot).record;
                if (position != RecordCells(profile_, grid, current).value(positionColumn - 1)) {
                    const Result<Change> moved = EditCell(scratch_, team.team, grid, positionColumn, slot + 1, position);
                    const Status made = moved ? scratch_.apply({QString(), {moved.value()}}) : Status::Failed(moved.reason());
                    if (!made)
                        refuse(typeHeading, typeText, made.reason());
                }
            }
        }

        for (int column = 1; column <= count; ++column) {
            const ColumnDescriptor& descriptor = columns[static_cast<std::size_t>(column - 1)];
            const QString& text = line.fields[column - 1];
            if (Unchanged(edition_, descriptor, text, exported[column - 1]))
                continue;
            EnteredCell entered{file, line.number, grid, slot, column, text};
            QString cellText = text;
            if (column == typeColumn) {
                if (const QString refusal = TypeRefusal(grid, text); !refusal.isEmpty()) {
                    refuse(descriptor.header, text, refusal);
                    continue;
                }
                const int byte = *TypeByte(text);
                cellText = DecimalText(byte >> 4);
                entered.wanted = DecimalText(byte);
                team.typeBytes.emplace_back(entered, byte);
            }
            const Result<Change> change = EditCell(scratch_, team.team, grid, column, slot + 1, cellText);
            if (!change) {
                refuse(descriptor.header, text, change.reason());
                continue;
            }
            if (const Status made = scratch_.apply({QString(), {change.value()}}); !made) {
                refuse(descriptor.header, text, made.reason());
                continue;
            }
            if (descriptor.isName())
                entered.wanted = PaddedName(edition_, text);
            else if (!descriptor.choices && column != typeColumn)
                entered.wanted = std::get<CellChange>(change->subject).entered;
            team.entered.push_back(entered);
        }
    }

    // The 1991 types' whole bytes where the type alone could not give them
    // (a pitcher's byte whose low four bits were not 1).
    Status storeTypeBytes(const TeamImport& team)
    {
        for (const auto& [cell, byte] : team.typeBytes) {
            const RecordRead read = scratch_.image().record(profile_, cell.grid, team.team, cell.slot);
            Record record = read.record;
            if (const Status encoded = EncodeColumn(*profile_.column(cell.grid, cell.column), byte, record); !encoded)
                return encoded;
            const qint64 offset = *profile_.recordOffset(cell.grid, team.team, cell.slot, image_.trainer());
            const auto bytes = [](const Record& r) {
                return QByteArray(reinterpret_cast<const char*>(r.bytes.data()), r.size);
            };
            const Change change{team.team, TeamRewrite{}, {{offset, bytes(read.record), bytes(record)}}};
            if (const Status made = scratch_.apply({QString(), {change}}); !made)
                return made;
        }
        return Status::Ok();
    }

    // The change list is what the export shows before and after; a value that
    // reads otherwise than the texts asked gets a note.
    void compare(const TeamImport& team, const RomImage& written, PlayerImport& result) const
    {
        const int index = team.team;
        for (const RecordKind grid : {RecordKind::Batter, RecordKind::Pitcher}) {
            const QStringList headings = ExportedHeadings(grid, edition_);
            for (int slot = 0; slot < profile_.slots(grid); ++slot) {
                const QStringList before = ExportedFields(grid, edition_, image_.record(grid, edition_, index, slot).record);
                const QStringList after = ExportedFields(grid, edition_, written.record(grid, edition_, index, slot).record);
                for (int c = 0; c < headings.size(); ++c) {
                    if (before[c] != after[c])
                        result.changes.push_back({index, grid, slot, after[0], headings[c], before[c], after[c]});
                }
            }
        }
        for (const EnteredCell& cell : team.entered) {
            const Record record = written.record(cell.grid, edition_, team.team, cell.slot).record;
            const QString stored = ExportedFields(cell.grid, edition_, record)[cell.column - 1];
            if (stored != cell.wanted)
                result.notes << Text::tr("%1 %2 行目 %3「%4」は「%5」として保存されます")
                                    .arg(cell.file, QString::number(cell.line),
                                         Column(cell.grid, edition_, cell.column)->header, cell.wanted, stored);
        }
    }

    // The first problems are kept, the others counted.
    void refuse(ImportProblem problem)
    {
        if (problems_.size() < kMostImportProblems)
            problems_.push_back(std::move(problem));
        else
            ++unlisted_;
    }

    // Problems file by file as given, line by line within a file.
    std::vector<ImportProblem> inFileOrder(std::vector<ImportProblem> problems) const
    {
        const auto place = [&](const ImportProblem& problem) {
            return std::pair(files_.indexOf(problem.file), problem.line);
        };
        std::stable_sort(problems.begin(), problems.end(),
                         [&](const ImportProblem& a, const ImportProblem& b) { return place(a) < place(b); });
        return problems;
    }

    const RomImage& image_;
    const int edition_;
    const EditionProfile& profile_;
    RomDocument scratch_;  // the texts' edits are made here, one by one
    QStringList files_;
    std::vector<TeamSection> sections_;
    std::vector<ImportProblem> problems_;
    int unlisted_ = 0;
    std::size_t lines_ = 0;  // of the texts read so far
};

} // namespace

Result<PlayerImport> ImportPlayerData(const RomDocument& document, const std::vector<ImportFile>& files)
{
    Importer importer(document);
    for (const ImportFile& file : files)
        importer.read(file);
    return importer.finish();
}

} // namespace quindaro2
