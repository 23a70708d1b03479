#include "core/sample/DemoRom.h"

#include "core/edition/Edition.h"
#include "core/edition/EditionProfile.h"
#include "core/file/FileWriter.h"
#include "core/rom/NameCodec.h"
#include "core/rom/RomImage.h"
#include "core/roster/FieldCodec.h"

#include <QSet>

#include <algorithm>
#include <cstring>
#include <tuple>
#include <vector>

namespace quindaro2 {

namespace {

// A whole number from low to high, both included; the same on every platform.
int Draw(std::mt19937& random, int low, int high)
{
    if (high <= low)
        return low;
    return low + static_cast<int>(random() % static_cast<std::uint32_t>(high - low + 1));
}

const QString& Syllables()
{
    static const QString syllables = QStringLiteral(
        "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわ"
        "がぎぐげござじずぜぞだでどばびぶべぼぱぴぷぺぽ");
    return syllables;
}

// Colours that suit a cap or a uniform; none of them is a cell the palette
// picker refuses.
constexpr int kTeamColors[] = {0x00, 0x01, 0x02, 0x05, 0x06, 0x07, 0x09, 0x0C, 0x0F, 0x11, 0x12, 0x15,
                               0x16, 0x17, 0x19, 0x1A, 0x1C, 0x20, 0x21, 0x27, 0x28, 0x2A, 0x2C, 0x30};

// Where in a column's range an invented player's value lies, in percent of
// the range: batting averages between weak and strong, few home runs, and so on.
struct Window {
    int low;
    int high;
};

Window PlausibleWindow(RecordKind grid, ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::BattingAverage:
    case ColumnKind::ShownAverage: return {30, 80};
    case ColumnKind::HomeRuns:
    case ColumnKind::ShownHomeRuns: return {0, 40};
    case ColumnKind::Running: return {20, 80};
    case ColumnKind::Fielding:
    case ColumnKind::Arm: return {30, 90};
    case ColumnKind::EarnedRunAverage: return {20, 50};
    case ColumnKind::Stamina: return {30, 90};
    case ColumnKind::RightBreak:
    case ColumnKind::LeftBreak:
    case ColumnKind::Fork: return {0, 60};
    case ColumnKind::UniformNumber:
        switch (grid) {
        case RecordKind::Batter: return {0, 90};
        case RecordKind::Pitcher: return {10, 50};
        case RecordKind::Manager: return {60, 90};
        }
        return {0, 100};
    default: return {0, 100};
    }
}

bool IsSpeed(ColumnKind kind)
{
    return kind == ColumnKind::FastSpeed || kind == ColumnKind::AverageSpeed || kind == ColumnKind::SlowSpeed;
}

int AtPercent(const ValueRange& range, int percent)
{
    return range.minimum + (range.maximum - range.minimum) * percent / 100;
}

// The value moved into the range and onto the steps of its dialog's arrows.
int Snap(const ValueRange& range, int value)
{
    const int step = std::max(range.step, 1);
    const int inside = std::clamp(value, range.minimum, range.maximum);
    return range.minimum + (inside - range.minimum) / step * step;
}

int DrawIn(std::mt19937& random, const ValueRange& range, Window window)
{
    return Snap(range, Draw(random, AtPercent(range, window.low), AtPercent(range, window.high)));
}

// Mostly the first offered choice (right-handed), often the second.
int DrawChoice(std::mt19937& random, const ChoiceList& choices)
{
    const std::vector<int>& offered = choices.offered;
    const int roll = Draw(random, 0, 99);
    if (roll < 60 || offered.size() == 1)
        return offered[0];
    if (roll < 90)
        return offered[1];
    return offered[static_cast<std::size_t>(Draw(random, 0, static_cast<int>(offered.size()) - 1))];
}

struct TeamStyle {
    std::mt19937& random;
    int uniform;           // every player and the manager wear the team's uniform
    QSet<QString> names;   // no two members of a team share a name
};

// The pitcher's fastest ball; the slower columns lie below it.
int SpeedFor(ColumnKind kind, int fast, int average, int slow)
{
    switch (kind) {
    case ColumnKind::SlowSpeed: return slow;
    case ColumnKind::AverageSpeed: return average;
    default: return fast;
    }
}

Record MemberRecord(const EditionProfile& profile, RecordKind grid, int slot, TeamStyle& team)
{
    const int edition = profile.year;
    std::mt19937& random = team.random;
    Record record;
    record.size = profile.roster(grid)->recordSize;

    QString name;
    do {
        name = InventedName(edition, random);
    } while (team.names.contains(name));
    team.names.insert(name);

    const std::span<const ColumnDescriptor> columns = profile.columns(grid);
    int fast = 0;
    int average = 0;
    int slow = 0;
    for (const ColumnDescriptor& column : columns) {
        if (column.range && IsSpeed(column.kind)) {
            const ValueRange& range = *column.range;
            const int span = range.maximum - range.minimum;
            fast = DrawIn(random, range, {55, 90});
            average = Snap(range, fast - span * Draw(random, 5, 10) / 100);
            slow = Snap(range, fast - span * Draw(random, 15, 25) / 100);
            break;
        }
    }

    int position = 0;
    for (const ColumnDescriptor& column : columns) {
        if (column.isName()) {
            profile.names.encode(name, record);
            continue;
        }
        // Every value drawn is one the column can store.
        if (column.choices) {
            std::ignore = EncodeColumn(column, DrawChoice(random, *column.choices), record);
            continue;
        }
        const ValueRange range = column.range.value_or(ValueRange{});
        int value = 0;
        if (column.kind == ColumnKind::Position) {
            // Every position of the range in turn, so that a team can field a side.
            position = Snap(range, range.minimum + slot % (range.maximum - range.minimum + 1));
            value = position;
        } else if (column.kind == ColumnKind::Type) {
            // The type shares its byte: with the fielding position for batters,
            // with 1 in the low four bits for pitchers, as a save stores it.
            const int type = grid == RecordKind::Batter ? Snap(range, Draw(random, 1, 7)) : Snap(range, Draw(random, 8, 10));
            value = grid == RecordKind::Batter ? 16 * type + position : 16 * type + 1;
        } else if (column.kind == ColumnKind::Uniform) {
            value = Snap(range, team.uniform);
        } else if (IsSpeed(column.kind)) {
            value = SpeedFor(column.kind, fast, average, slow);
        } else {
            value = DrawIn(random, range, PlausibleWindow(grid, column.kind));
        }
        std::ignore = EncodeColumn(column, value, record);
    }
    return record;
}

} // namespace

QString InventedName(int edition, std::mt19937& random)
{
    QString usable;
    for (const QChar c : Syllables()) {
        if (HasCode(edition, c))
            usable += c;
    }
    const int length = Draw(random, 2, NameLength(edition));
    QString name;
    for (int i = 0; i < length; ++i)
        name += usable[Draw(random, 0, static_cast<int>(usable.size()) - 1)];
    return name;
}

QByteArray DemoRomImage(int edition, const DemoFill& fill)
{
    const int trainer = fill.trainer ? 1 : 0;
    QByteArray image(kDemoRomSize + trainer * kTrainerShift, '\0');
    if (fill.randomFiller) {
        std::mt19937 filler(fill.seed);
        for (char& byte : image)
            byte = static_cast<char>(filler() & 0xFF);
    }
    // "NES" and the end-of-file mark, sixteen 16 KiB program banks, no
    // character banks, mapper 1, and the trainer bit when asked for.
    const char flags = static_cast<char>(0x10 | (trainer << 2));
    const char header[16] = {'N', 'E', 'S', '\x1A', 16, 0, flags, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    std::memcpy(image.data(), header, sizeof header);
    if (!IsEdition(edition))
        return image;

    // Stored as a save stores them; the image has room for every slot, so
    // no write can fail.
    RomImage rom(std::move(image));
    // Seed 0 gives the players every earlier version gave.
    std::mt19937 random(static_cast<std::uint32_t>(edition) + 0x10000u * fill.seed);
    const EditionProfile& profile = *FindProfile(edition);
    for (int team = 0; team < profile.teamCount(); ++team) {
        TeamStyle style{random, Draw(random, 0, 15), {}};
        for (const RecordKind grid : {RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager}) {
            for (int slot = 0; slot < profile.slots(grid); ++slot)
                std::ignore = rom.setRecord(profile, grid, team, slot, MemberRecord(profile, grid, slot, style));
        }
        constexpr int colorCount = static_cast<int>(std::size(kTeamColors));
        const std::uint8_t helmet = static_cast<std::uint8_t>(kTeamColors[Draw(random, 0, colorCount - 1)]);
        const std::uint8_t uniform = static_cast<std::uint8_t>(kTeamColors[Draw(random, 0, colorCount - 1)]);
        std::ignore = rom.setColors(profile, team, {helmet, uniform});
    }
    return rom.bytes();
}

Status WriteDemoRom(const QString& path, int edition, const DemoFill& fill)
{
    if (!IsEdition(edition))
        return Status::Failed(NotAnEdition(edition));
    return WriteNewFile(path, DemoRomImage(edition, fill));
}

} // namespace quindaro2
