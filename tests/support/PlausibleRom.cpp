#include "support/PlausibleRom.h"

#include "core/rom/NameCodec.h"
#include "core/edition/ColumnTable.h"
#include "core/edition/Edition.h"
#include "core/roster/FieldCodec.h"

#include <cstdio>
#include <cstdlib>

namespace quindaro2::test {

namespace {

// Every value drawn here has a code or a rule to store it; a test that
// stands on data it could not make is stopped at once.
void Store(const Status& stored)
{
    if (!stored) {
        std::fprintf(stderr, "a plausible value cannot be stored: %s\n", stored.reason().toUtf8().constData());
        std::abort();
    }
}

int Between(std::mt19937& random, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

} // namespace

QString PlausibleName(int edition, std::mt19937& random)
{
    const QString table = CharTable(edition);
    QString unique;
    for (QChar c : table) {
        if (table.indexOf(c) == table.lastIndexOf(c))
            unique += c;
    }
    QString name;
    for (int i = 0; i < NameLength(edition); ++i)
        name += unique[Between(random, 0, static_cast<int>(unique.size()) - 1)];
    return name;
}

Record PlausibleRecord(RecordKind kind, int edition, std::mt19937& random)
{
    Record record = MakeRecord(kind, edition);
    for (int i = 0; i < record.size; ++i)
        record[i] = static_cast<std::uint8_t>(Between(random, 0, 255));
    for (const ColumnDescriptor& column : Columns(kind, edition)) {
        if (column.isName()) {
            EncodeName(edition, PlausibleName(edition, random), record);
        } else if (column.choices) {
            std::vector<int> withCode;
            for (int j = 0; j < kChoiceCount; ++j) {
                if (column.choices->codes[static_cast<std::size_t>(j)])
                    withCode.push_back(j);
            }
            Store(EncodeColumn(column, withCode[static_cast<std::size_t>(Between(random, 0, static_cast<int>(withCode.size()) - 1))],
                               record));
        } else if (column.kind == ColumnKind::Type) {
            // The type shares its byte: batters keep the position below it, pitchers a 1.
            const int type = Between(random, column.range->minimum, column.range->maximum);
            const int low = kind == RecordKind::Batter ? (record[column.byte] & 0x0F) : 1;
            Store(EncodeColumn(column, 16 * type + low, record));
        } else {
            Store(EncodeColumn(column, Between(random, column.range->minimum, column.range->maximum), record));
        }
    }
    return record;
}

void FillPlausibleRoster(SyntheticRom& rom, int edition, unsigned seed)
{
    std::mt19937 random(seed);
    for (int team = 0; team < TeamCount(edition); ++team) {
        for (RecordKind kind : {RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager}) {
            for (int i = 0; i < RecordsPerTeam(kind, edition).value_or(0); ++i)
                rom.setRecord(kind, edition, team, i, PlausibleRecord(kind, edition, random));
        }
        rom.setColors(edition, team,
                      {static_cast<std::uint8_t>(Between(random, 0, 255)), static_cast<std::uint8_t>(Between(random, 0, 255))});
    }
}

} // namespace quindaro2::test
