#include "core/import/TeamSections.h"

#include "core/edition/EditionProfile.h"

#include "core/export/PlayerExport.h"
#include "core/import/CsvFields.h"
#include "core/import/ImportReport.h"
#include "core/roster/GridName.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <optional>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(TeamSections)
};

// The code of a team line ("Gチーム" gives "G").
std::optional<QString> TeamLineLabel(const TableLine& row)
{
    if (!row.readable || row.fields.size() != 1)
        return std::nullopt;
    return LabelOfTeamLine(row.fields[0]);
}

// Either table's heading line: its first field reads 名前, however it is spaced,
// so that a heading that is not the edition's is still told from a player.
bool IsHeading(const TableLine& row)
{
    if (!row.readable || row.fields.isEmpty())
        return false;
    QString first = row.fields[0];
    first.removeIf([](QChar c) { return c.isSpace(); });
    return first == QStringLiteral("名前");
}

QString Labels(int edition)
{
    QStringList labels;
    for (int team = 0; team < TeamCount(edition); ++team)
        labels << TeamLabel(edition, team);
    labels.removeDuplicates();
    return labels.join(Text::tr("、"));
}

// Which of the teams sharing `label` a per-team file's name gives: "_C2" the second.
std::optional<int> OccurrenceInFileName(const QString& file, const QString& label)
{
    const QRegularExpression pattern(
        QStringLiteral("_%1([0-9]{1,2})(?![0-9A-Za-z])").arg(QRegularExpression::escape(label)));
    std::optional<int> occurrence;
    for (QRegularExpressionMatchIterator it = pattern.globalMatch(QFileInfo(file).fileName()); it.hasNext();)
        occurrence = it.next().captured(1).toInt();
    return occurrence;
}

// A spreadsheet may trim the blanks that pad "名　前　　".
QStringList WithoutTrailingBlanks(QStringList fields)
{
    for (QString& field : fields) {
        while (!field.isEmpty() && field.back().isSpace())
            field.chop(1);
    }
    return fields;
}

QString HeadingDifference(const QStringList& found, const QStringList& expected)
{
    for (qsizetype i = 0; i < std::min(found.size(), expected.size()); ++i) {
        if (found[i] != expected[i])
            return Text::tr("%1 列目が「%2」です（「%3」のはず）").arg(i + 1).arg(found[i], expected[i]);
    }
    return Text::tr("列が %1 個です（%2 個のはず）").arg(found.size()).arg(expected.size());
}

std::size_t Index(RecordKind kind)
{
    return kind == RecordKind::Batter ? 0 : 1;
}

// Reads the rows of one file in order, keeping which team and table they belong to.
class Splitter {
public:
    Splitter(const QString& file, int edition, const std::vector<TableLine>& rows) : file_(file), edition_(edition)
    {
        for (const TableLine& row : rows) {
            if (const std::optional<QString> label = TeamLineLabel(row))
                ++labelCount_[*label];
        }
    }

    void take(const TableLine& row)
    {
        if (const std::optional<QString> label = TeamLineLabel(row)) {
            closeTeam();
            startTeam(row, *label);
            return;
        }
        if (!inTeam_) {
            if (!skipping_ && !strayReported_)
                refuse(row.number, Text::tr("チームの行（「%1」など）より前に行があります").arg(ExampleTeamLine()));
            strayReported_ = true;
            return;
        }
        lastLine_ = row.number;
        switch (part_) {
        case Part::BatterHeading:
            part_ = Part::Batters;
            if (IsHeading(row)) {
                heading(RecordKind::Batter, row);
            } else {
                usable_[Index(RecordKind::Batter)] = false;
                refuse(row.number, Text::tr("%1のバッターの見出しの行がありません。%2").arg(teamName(), Expected(RecordKind::Batter)));
            }
            return;
        case Part::Batters:
            if (IsHeading(row)) {
                part_ = Part::Pitchers;
                heading(RecordKind::Pitcher, row);
            } else {
                add(RecordKind::Batter, row);
            }
            return;
        case Part::Pitchers:
            if (IsHeading(row))
                refuse(row.number, Text::tr("%1の見出しの行が多すぎます").arg(teamName()), row.fields.join(u','));
            else
                add(RecordKind::Pitcher, row);
            return;
        }
    }

    FileTeams finish()
    {
        closeTeam();
        if (labelCount_.isEmpty()) {
            result_.problems.clear();
            refuse(0, Text::tr("チームの行（「%1」など）がありません。選手データ出力で書いたファイルを指定してください")
                          .arg(ExampleTeamLine()));
        }
        return std::move(result_);
    }

private:
    enum class Part { BatterHeading, Batters, Pitchers };

    QString ExampleTeamLine() const { return TeamLine(edition_, 0); }

    QString Expected(RecordKind kind) const
    {
        return Text::tr("%1年版の見出し：%2").arg(edition_).arg(ExportedHeadings(kind, edition_).join(u','));
    }

    QString teamName() const { return ImportTeamName(edition_, result_.teams.back().team); }

    void refuse(int line, const QString& reason, const QString& text = {})
    {
        result_.problems.push_back({file_, line, {}, text, reason});
    }

    void startTeam(const TableLine& row, const QString& label)
    {
        const std::vector<int> teams = TeamsLabelled(edition_, label);
        const int inFile = ++seen_[label];
        skipping_ = true;
        if (teams.empty()) {
            refuse(row.number,
                   Text::tr("「%1」は%2年版のチームではありません。チーム：%3")
                       .arg(row.fields[0], QString::number(edition_), Labels(edition_)),
                   row.fields[0]);
            return;
        }
        const int count = static_cast<int>(teams.size());
        std::optional<int> named;
        if (count > 1 && labelCount_[label] == 1)
            named = OccurrenceInFileName(file_, label);
        if (named && (*named < 1 || *named > count)) {
            refuse(row.number,
                   Text::tr("ファイル名の「_%1%2」に当たるチームはありません（%3年版の%1チームは %4 つ）")
                       .arg(label, QString::number(*named), QString::number(edition_), QString::number(count)),
                   row.fields[0]);
            return;
        }
        // One more than the edition has is the last one again, which the
        // import refuses as a team given twice.
        const int occurrence = named.value_or(std::min(inFile, count));
        skipping_ = false;
        inTeam_ = true;
        part_ = Part::BatterHeading;
        usable_ = {true, true};
        headingLine_ = {row.number, row.number};
        lastLine_ = row.number;
        result_.teams.push_back({file_, row.number, teams[static_cast<std::size_t>(occurrence - 1)], {}, {}});
    }

    void heading(RecordKind kind, const TableLine& row)
    {
        headingLine_[Index(kind)] = row.number;
        if (WithoutTrailingBlanks(row.fields) == WithoutTrailingBlanks(ExportedHeadings(kind, edition_)))
            return;
        usable_[Index(kind)] = false;
        refuse(row.number, Text::tr("%1の%2の見出しが%3年版のものと違います：%4。版の指定を確かめてください。%5")
                               .arg(teamName(), GridName(kind))
                               .arg(edition_)
                               .arg(HeadingDifference(row.fields, ExportedHeadings(kind, edition_)), Expected(kind)));
    }

    void add(RecordKind kind, const TableLine& row)
    {
        if (!usable_[Index(kind)])
            return;
        TeamSection& team = result_.teams.back();
        (kind == RecordKind::Batter ? team.batters : team.pitchers).push_back(row);
    }

    void closeTeam()
    {
        if (!inTeam_)
            return;
        inTeam_ = false;
        if (part_ == Part::BatterHeading) {
            refuse(result_.teams.back().teamLine, Text::tr("%1の後にバッターとピッチャーの表がありません").arg(teamName()));
            return;
        }
        if (part_ == Part::Batters) {
            usable_[Index(RecordKind::Pitcher)] = false;
            refuse(lastLine_, Text::tr("%1のピッチャーの見出しの行がありません。%2").arg(teamName(), Expected(RecordKind::Pitcher)));
        }
        checkCount(RecordKind::Batter);
        checkCount(RecordKind::Pitcher);
    }

    // One line per record slot, as the export writes them.
    void checkCount(RecordKind kind)
    {
        if (!usable_[Index(kind)])
            return;
        const std::vector<TableLine>& lines = result_.teams.back().lines(kind);
        const int found = static_cast<int>(lines.size());
        const int slots = FindProfile(edition_)->slots(kind);
        if (found < slots)
            refuse(lines.empty() ? headingLine_[Index(kind)] : lines.back().number,
                   Text::tr("%1の%2の行が足りません（%3 行のところ %4 行）").arg(teamName(), GridName(kind)).arg(slots).arg(found));
        else if (found > slots)
            refuse(lines[static_cast<std::size_t>(slots)].number,
                   Text::tr("%1の%2の行が多すぎます（%3 行のところ %4 行）").arg(teamName(), GridName(kind)).arg(slots).arg(found));
    }

    const QString file_;
    const int edition_;
    QHash<QString, int> labelCount_;  // team lines of the file by code
    QHash<QString, int> seen_;
    FileTeams result_;
    bool inTeam_ = false;    // the last team line named a team; the rows go to it
    bool skipping_ = false;  // after a refused team line: its rows are not reported again
    bool strayReported_ = false;
    Part part_ = Part::BatterHeading;
    std::array<bool, 2> usable_{true, true};  // by table: the heading was the edition's
    std::array<int, 2> headingLine_{0, 0};
    int lastLine_ = 0;
};

} // namespace

FileTeams SplitTeams(const QString& file, int edition, const std::vector<TextLine>& lines)
{
    std::vector<TableLine> rows;
    std::vector<ImportProblem> unreadable;
    for (const TextLine& line : lines) {
        const Result<QStringList> fields = SplitFields(line.text);
        if (!fields) {
            unreadable.push_back({file, line.number, {}, line.text, fields.reason()});
            rows.push_back({line.number, {}, false});
        } else if (!fields->isEmpty()) {
            rows.push_back({line.number, fields.value(), true});
        }
    }
    Splitter splitter(file, edition, rows);
    for (const TableLine& row : rows)
        splitter.take(row);
    FileTeams teams = splitter.finish();
    teams.problems.insert(teams.problems.end(), unreadable.begin(), unreadable.end());
    std::stable_sort(teams.problems.begin(), teams.problems.end(),
                     [](const ImportProblem& a, const ImportProblem& b) { return a.line < b.line; });
    return teams;
}

} // namespace quindaro2
