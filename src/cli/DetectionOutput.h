#pragma once

#include "cli/OutputFormat.h"
#include "core/detect/EditionDetection.h"
#include "core/rom/RomImage.h"

#include <QJsonObject>

namespace quindaro2::cli {

// The verdict (the year or null), the margin, every edition's score best
// first, the reasons for no verdict, and the sizes the header check weighed.
QJsonObject DetectionJson(const Detection& detection, const RomImage& image);

// The ranking: edition and score, best first.
CsvTable RankingCsv(const Detection& detection);

} // namespace quindaro2::cli
