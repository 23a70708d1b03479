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
const QByteArray kLineEnd("\r\n");

// Shift-JIS forms of many short texts in one conversion. A line feed never
// occurs inside a Shift-JIS character (its second byte is 0x40 or more), so
// it separates the pieces. None when a text has no Shift-JIS form.
std::optional<QList<QByteArray>> EncodeEach(const QStringList& texts)
{
    QStringEncoder encoder("windows-31j");
    if (!encoder.isValid())
        return std::nullopt;
    const QByteArray joined = encoder(texts.join(u'\n'));
    if (encoder.hasError())
        return std::nullopt;
    QList<QByteArray> pieces = joined.split('\n');
    if (pieces.size() != texts.size())
        return std::nullopt;
    return pieces;
}

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
    QStringList texts;
    const int teams = TeamCount(edition);
    for (int team = 0; team < teams; ++team)
        texts << QStringLiteral("%1チーム").arg(TeamLabel(edition, team));
    for (const RecordKind grid : kGrids) {
        QStringList headers;
        for (const ColumnDescriptor& column : Columns(grid, edition))
            headers << column.header;
        texts << headers.join(u',');
    }
    // Every code as DecodeName shows it: its run's character, else the
    // character of codes outside the runs. Each distinct character is
    // encoded once; `piece` says which one a code shows.
    const QString distinct = profile.names.outsideRuns + profile.names.characters();
    std::array<qsizetype, 256> piece{};
    for (const CodeRun& run : profile.names.runs) {
        for (qsizetype k = 0; k < run.characters.size() && run.firstCode + k < 256; ++k)
            piece[static_cast<std::size_t>(run.firstCode + k)] = distinct.indexOf(run.characters[k]);
    }
    for (const QChar character : distinct)
        texts << QString(character);
    for (const RecordKind grid : kGrids) {
        for (const ColumnDescriptor& column : Columns(grid, edition)) {
            if (column.choices)
                texts << column.choices->texts;
        }
    }

    const std::optional<QList<QByteArray>> pieces = EncodeEach(texts);
    if (!pieces)
        return;
    auto next = pieces->cbegin();
    for (int team = 0; team < teams; ++team)
        teamLines_.push_back(*next++ + kLineEnd);
    for (const RecordKind grid : kGrids)
        headingLines_[Grid(grid)] = *next++ + kLineEnd;
    for (std::size_t code = 0; code < nameCharacters_.size(); ++code)
        nameCharacters_[code] = next[piece[code]];
    next += distinct.size();
    for (const RecordKind grid : kGrids) {
        for (const ColumnDescriptor& column : Columns(grid, edition)) {
            std::vector<QByteArray> choices;
            if (column.choices) {
                choices.assign(next, next + column.choices->texts.size());
                next += column.choices->texts.size();
            }
            choiceTexts_[Grid(grid)].push_back(std::move(choices));
        }
    }
    ok_ = true;
}

void ExportVocabulary::appendRecordLine(RecordKind grid, const Record& record, std::string& text) const
{
    const auto append = [&](const QByteArray& bytes) { text.append(bytes.constData(), static_cast<std::size_t>(bytes.size())); };
    const std::span<const ColumnDescriptor> columns = columns_[Grid(grid)];
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const ColumnDescriptor& column = columns[c];
        if (column.isName()) {
            for (int i = 1; i <= nameLength_; ++i)
                append(nameCharacters_[record[i]]);
            continue;
        }
        text += ',';
        const int value = DecodeColumn(column, record);
        if (column.choices) {
            if (value >= 0)
                append(choiceTexts_[Grid(grid)][c][static_cast<std::size_t>(value)]);
            continue;
        }
        // The 1991 type stays the whole byte here, unlike in the grid.
        char digits[16];
        const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        text.append(digits, static_cast<std::size_t>(end - digits));
    }
    text += "\r\n";
}

} // namespace quindaro2
