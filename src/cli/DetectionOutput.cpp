#include "cli/DetectionOutput.h"

#include "core/detect/NesHeader.h"

#include <QJsonArray>

namespace quindaro2::cli {

namespace {

QString DoubtWord(DetectionDoubt doubt)
{
    switch (doubt) {
    case DetectionDoubt::NotMarked: return QStringLiteral("noNesMark");
    case DetectionDoubt::CutShort: return QStringLiteral("cutFile");
    case DetectionDoubt::LowScore: return QStringLiteral("lowScore");
    case DetectionDoubt::TooClose: return QStringLiteral("tooClose");
    case DetectionDoubt::Unreadable: return QStringLiteral("unreadable");
    }
    return {};
}

} // namespace

QJsonObject DetectionJson(const Detection& detection, const RomImage& image)
{
    QJsonArray scores;
    for (const EditionScore& entry : detection.ranking)
        scores.append(QJsonObject{{QStringLiteral("edition"), entry.edition}, {QStringLiteral("score"), entry.score}});
    QJsonArray reasons;
    for (const DetectionDoubt doubt : detection.doubts)
        reasons.append(DoubtWord(doubt));
    const std::optional<qint64> declared = ReadNesHeader(image.bytes()).declaredSize;
    return {{QStringLiteral("edition"), detection.edition ? QJsonValue(*detection.edition) : QJsonValue()},
            {QStringLiteral("margin"), detection.margin},
            {QStringLiteral("scores"), scores},
            {QStringLiteral("reasons"), reasons},
            {QStringLiteral("size"), image.size()},
            {QStringLiteral("declaredSize"), declared ? QJsonValue(*declared) : QJsonValue()}};
}

CsvTable RankingCsv(const Detection& detection)
{
    CsvTable table{{QStringLiteral("edition"), QStringLiteral("score")}, {}};
    for (const EditionScore& entry : detection.ranking)
        table.rows.push_back({QString::number(entry.edition), QString::number(entry.score, 'f', 1)});
    return table;
}

} // namespace quindaro2::cli
