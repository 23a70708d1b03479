#include "core/detect/EditionDetection.h"

#include "core/detect/EditionEvidence.h"
#include "core/detect/NesHeader.h"
#include "core/edition/EditionProfile.h"
#include "core/file/RomFile.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <utility>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(EditionDetection)
};

// Scores are shown with one decimal; the verdict judges what is shown.
double Tenths(double score)
{
    return std::round(score * 10.0) / 10.0;
}

QString ScoreText(double score)
{
    return QString::number(score, 'f', 1);
}

// What the file's own header stands against any verdict.
std::vector<DoubtReason> HeaderDoubts(const RomImage& image)
{
    const NesHeader header = ReadNesHeader(image.bytes());
    if (!header.marked)
        return {{DetectionDoubt::NotMarked, Text::tr("NES の ROM イメージの印（先頭の「NES」）がありません")}};
    if (header.declaredSize && image.size() < *header.declaredSize)
        return {{DetectionDoubt::CutShort,
                 Text::tr("ファイル（%1 バイト）がヘッダーの示す大きさ（%2 バイト）より短く、途中で切れています")
                     .arg(image.size())
                     .arg(*header.declaredSize)}};
    return {};
}

std::vector<DoubtReason> ScoreDoubts(const Detection& detection)
{
    const EditionScore& first = detection.ranking[0];
    const EditionScore& second = detection.ranking[1];
    std::vector<DoubtReason> doubts;
    if (first.score < kLeastScore)
        doubts.push_back({DetectionDoubt::LowScore, Text::tr("どの版としても読めません（最高は %1年版の %2）")
                                                        .arg(first.edition)
                                                        .arg(ScoreText(first.score))});
    if (detection.margin < kClearMargin)
        doubts.push_back({DetectionDoubt::TooClose, Text::tr("%1年版（%2）と %3年版（%4）の区別がつきません")
                                                        .arg(first.edition)
                                                        .arg(ScoreText(first.score))
                                                        .arg(second.edition)
                                                        .arg(ScoreText(second.score))});
    return doubts;
}

} // namespace

Detection JudgeScores(std::vector<EditionScore> scores, std::vector<DoubtReason> headerDoubts)
{
    Detection detection;
    detection.ranking = std::move(scores);
    std::stable_sort(detection.ranking.begin(), detection.ranking.end(),
                     [](const EditionScore& a, const EditionScore& b) { return a.score > b.score; });
    if (detection.ranking.size() < 2) {
        detection.doubt = Text::tr("比べる版がありません");
        return detection;
    }
    detection.margin = Tenths(detection.ranking[0].score - detection.ranking[1].score);
    std::vector<DoubtReason> doubts = std::move(headerDoubts);
    for (DoubtReason& doubt : ScoreDoubts(detection))
        doubts.push_back(std::move(doubt));
    for (const DoubtReason& doubt : doubts)
        detection.doubts.push_back(doubt.kind);
    if (doubts.empty())
        detection.edition = detection.ranking[0].edition;
    else
        detection.doubt = doubts.front().text;
    return detection;
}

Detection DetectEdition(const RomImage& image)
{
    std::vector<EditionScore> scores;
    for (const EditionProfile& profile : Profiles())
        scores.push_back({profile.year, Tenths(WeighEdition(image, profile).percent())});
    return JudgeScores(std::move(scores), HeaderDoubts(image));
}

Detection DetectEditionOfFile(const QString& path)
{
    const Result<RomImage> image = ReadRomFile(path);
    if (!image) {
        Detection unread = DetectEdition(RomImage());
        unread.doubts = {DetectionDoubt::Unreadable};
        unread.doubt = image.reason();
        return unread;
    }
    return DetectEdition(image.value());
}

QString DetectionNote(const Detection& detection)
{
    return detection.edition ? Text::tr("推定：%1年版").arg(*detection.edition) : Text::tr("推定できません");
}

QString GuessDiffers(int guess)
{
    return Text::tr("推定は%1年版です。選んだ版と違います").arg(guess);
}

QStringList RankingLines(const Detection& detection)
{
    QStringList lines;
    for (const EditionScore& entry : detection.ranking)
        lines << QStringLiteral("%1 %2").arg(entry.edition).arg(ScoreText(entry.score));
    return lines;
}

} // namespace quindaro2
