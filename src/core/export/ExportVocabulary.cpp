#include "core/export/ExportVocabulary.h"

#include "core/edition/Edition.h"
#include "core/edition/EditionProfile.h"
#include "core/export/PlayerExport.h"
#include "core/export/ShiftJisTable.h"
#include "core/roster/FieldCodec.h"

#include <QStringEncoder>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <mutex>

namespace quindaro2 {

namespace {

constexpr std::array kGrids{RecordKind::Batter, RecordKind::Pitcher};

// The longest line a record can give: a name of at most 8 characters of at
// most 2 bytes, at most 16 fields of at most 12 bytes, their commas, CR LF.
// build() refuses an edition whose texts would not fit.
constexpr qsizetype kLongestCharacter = 2;
constexpr int kLongestName = 8;
constexpr std::size_t kMostFields = 16;
constexpr qsizetype kLongestField = 12;
constexpr std::size_t kLongestNumber = 11;  // "-2147483648"
constexpr std::size_t kLongestLine = kLongestName * kLongestCharacter + kMostFields * (1 + kLongestField) + 2;

} // namespace

const ExportVocabulary& ExportVocabulary::Of(int edition)
{
    // Made on first use and kept for the life of the process: a run of the
    // tool touches only its own edition's.
    static std::array<std::once_flag, kEditionCount> built;
    static std::array<const ExportVocabulary*, kEditionCount> vocabularies{};
    static const ExportVocabulary none;
    if (!IsEdition(edition))
        return none;
    const std::size_t index = static_cast<std::size_t>(EditionIndex(edition));
    std::call_once(built[index], [&] {
        auto* vocabulary = new ExportVocabulary;
        vocabulary->build(edition);
        vocabularies[index] = vocabulary;
    });
    return *vocabularies[index];
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
        add(TeamLine(edition, team) + u'\r');
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

    // The table made at build time spares the converter's start; a text it
    // does not hold goes to the converter.
    std::optional<QByteArray> fromTable = EncodeShiftJis(texts);
    if (!fromTable) {
        QStringEncoder encoder("windows-31j");
        if (!encoder.isValid())
            return;
        fromTable = encoder(texts);
        if (encoder.hasError())
            return;
    }
    QByteArray encoded = std::move(*fromTable);
    std::vector<Piece> pieces;
    for (qsizetype start = 0, end = 0; (end = encoded.indexOf('\n', start)) >= 0; start = end + 1)
        pieces.push_back({start, end - start});

    // A line keeps its line feed, after the carriage return encoded with it.
    const auto line = [](Piece piece) { return Piece{piece.start, piece.size + 1}; };
    const auto names = pieces.cbegin() + teams + 2;
    const auto choices = names + distinct.size();
    const auto longest = [](auto from, auto to, qsizetype size) {
        return std::all_of(from, to, [size](Piece piece) { return piece.size <= size; });
    };
    const bool fits = profile.names.length <= kLongestName && columns_[0].size() <= kMostFields
        && columns_[1].size() <= kMostFields && longest(names, choices, kLongestCharacter)
        && longest(choices, pieces.cend(), kLongestField);
    if (!fits)
        return;
    auto next = pieces.cbegin();
    for (int team = 0; team < teams; ++team)
        teamLines_.push_back(line(*next++));
    for (const RecordKind grid : kGrids)
        headingLines_[Grid(grid)] = line(*next++);
    const auto characters = next;
    next += distinct.size();
    for (std::size_t code = 0; code < nameCharacters_.size(); ++code)
        nameCharacters_[code] = characters[distinct.indexOf(profile.names.character(static_cast<int>(code)))];
    for (const RecordKind grid : kGrids) {
        for (const ColumnDescriptor& column : columns_[Grid(grid)]) {
            std::optional<ListPieces> list;
            if (column.choices) {
                list.emplace();
                for (int byte = 0; byte < 256; ++byte)
                    list->choiceOfByte[static_cast<std::size_t>(byte)] =
                        static_cast<std::int8_t>(column.choices->IndexOfCode(byte).value_or(-1));
                std::copy(next, next + kChoiceCount, list->choices.begin());
                next += column.choices->texts.size();
            }
            lists_[Grid(grid)].push_back(list);
        }
    }
    encoded_ = std::move(encoded);
    ok_ = true;
}

void ExportVocabulary::appendRecordLine(RecordKind grid, const Record& record, std::string& text) const
{
    // A line is put together in place and appended once: every piece is a
    // few bytes, so the copies themselves are the cost.
    char line[kLongestLine];
    char* end = line;
    const auto put = [&](Piece piece) {
        std::memcpy(end, encoded_.constData() + piece.start, static_cast<std::size_t>(piece.size));
        end += piece.size;
    };
    const std::span<const ColumnDescriptor> columns = columns_[Grid(grid)];
    const std::vector<std::optional<ListPieces>>& lists = lists_[Grid(grid)];
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const ColumnDescriptor& column = columns[c];
        if (column.isName()) {
            for (int i = 1; i <= nameLength_; ++i)
                put(nameCharacters_[record[i]]);
            continue;
        }
        *end++ = ',';
        if (const std::optional<ListPieces>& list = lists[c]) {
            // A byte that matches no choice gives an empty field.
            if (const int choice = list->choiceOfByte[record[column.byte]]; choice >= 0)
                put(list->choices[static_cast<std::size_t>(choice)]);
            continue;
        }
        // The 1991 type stays the whole byte here, unlike in the grid.
        end = std::to_chars(end, end + kLongestNumber, DecodeNumber(column, record)).ptr;
    }
    *end++ = '\r';
    *end++ = '\n';
    text.append(line, static_cast<std::size_t>(end - line));
}

} // namespace quindaro2
