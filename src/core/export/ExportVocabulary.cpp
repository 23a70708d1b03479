#include "core/export/ExportVocabulary.h"

#include "core/edition/Edition.h"
#include "core/edition/EditionProfile.h"
#include "core/export/PlayerExport.h"
#include "core/roster/FieldCodec.h"

#include <QStringEncoder>

#include <charconv>
#include <mutex>

namespace quindaro2 {

namespace {

constexpr std::array kGrids{RecordKind::Batter, RecordKind::Pitcher};

} // namespace

const ExportVocabulary& ExportVocabulary::Of(int edition)
{
    static std::array<std::once_flag, kEditionCount> built;
    static std::array<ExportVocabulary, kEditionCount> vocabularies;
    static const ExportVocabulary none;
    if (!IsEdition(edition))
        return none;
    const std::size_t index = static_cast<std::size_t>(EditionIndex(edition));
    std::call_once(built[index], [&] { vocabularies[index].build(edition); });
    return vocabularies[index];
}

void ExportVocabulary::build(int edition)
{
    const EditionProfile& profile = *FindProfile(edition);
    nameLength_ = profile.names.length;
    for (const RecordKind grid : kGrids)
        columns_[Grid(grid)] = Columns(grid, edition);

    // Every text, each followed by a line feed, which never occurs inside a
    // Shift-JIS character (its second byte is 0x40 or more): the line feeds
    // mark where each encoded piece ends.
    QString texts;
    const auto add = [&](const QString& text) { texts += text + u'\n'; };
    const int teams = TeamCount(edition);
    for (int team = 0; team < teams; ++team)
        add(QStringLiteral("%1チーム\r").arg(TeamLabel(edition, team)));
    for (const RecordKind grid : kGrids)
        add(ExportedHeadings(grid, edition).join(u',') + u'\r');
    // Every code as DecodeName shows it: its run's character, else the
    // character of codes outside the runs.
    const QString distinct = profile.names.outsideRuns + profile.names.characters();
    for (const QChar character : distinct)
        add(QString(character));
    for (const RecordKind grid : kGrids) {
        for (const ColumnDescriptor& column : columns_[Grid(grid)]) {
            if (column.choices) {
                for (const QString& choice : column.choices->texts)
                    add(choice);
            }
        }
    }

    QStringEncoder encoder("windows-31j");
    if (!encoder.isValid())
        return;
    QByteArray encoded = encoder(texts);
    if (encoder.hasError())
        return;
    std::vector<Piece> pieces;
    for (qsizetype start = 0, end = 0; (end = encoded.indexOf('\n', start)) >= 0; start = end + 1)
        pieces.push_back({start, end - start});

    // A line keeps its line feed, after the carriage return encoded with it.
    const auto line = [](Piece piece) { return Piece{piece.start, piece.size + 1}; };
    auto next = pieces.cbegin();
    for (int team = 0; team < teams; ++team)
        teamLines_.push_back(line(*next++));
    for (const RecordKind grid : kGrids)
        headingLines_[Grid(grid)] = line(*next++);
    const auto characters = next;
    next += distinct.size();
    for (Piece& character : nameCharacters_)
        character = characters[0];
    for (const CodeRun& run : profile.names.runs) {
        for (qsizetype k = 0; k < run.characters.size() && run.firstCode + k < 256; ++k)
            nameCharacters_[static_cast<std::size_t>(run.firstCode + k)] = characters[distinct.indexOf(run.characters[k])];
    }
    for (const RecordKind grid : kGrids) {
        for (const ColumnDescriptor& column : columns_[Grid(grid)]) {
            ColumnPieces shown;
            if (column.choices) {
                shown.list = true;
                for (int byte = 0; byte < 256; ++byte) {
                    if (const std::optional<int> choice = column.choices->IndexOfCode(byte))
                        shown.byByte[static_cast<std::size_t>(byte)] = next[*choice];
                }
                next += column.choices->texts.size();
            }
            columnPieces_[Grid(grid)].push_back(shown);
        }
    }
    encoded_ = std::move(encoded);
    ok_ = true;
}

void ExportVocabulary::appendRecordLine(RecordKind grid, const Record& record, std::string& text) const
{
    const std::span<const ColumnDescriptor> columns = columns_[Grid(grid)];
    const std::vector<ColumnPieces>& pieces = columnPieces_[Grid(grid)];
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const ColumnDescriptor& column = columns[c];
        if (column.isName()) {
            for (int i = 1; i <= nameLength_; ++i)
                append(nameCharacters_[record[i]], text);
            continue;
        }
        text += ',';
        if (pieces[c].list) {
            // A byte that matches no choice gives an empty field.
            append(pieces[c].byByte[record[column.byte]], text);
            continue;
        }
        // The 1991 type stays the whole byte here, unlike in the grid.
        char digits[16];
        const char* end = std::to_chars(digits, digits + sizeof digits, DecodeColumn(column, record)).ptr;
        text.append(digits, static_cast<std::size_t>(end - digits));
    }
    text += "\r\n";
}

} // namespace quindaro2
