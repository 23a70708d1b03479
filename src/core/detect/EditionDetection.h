#pragma once

#include "core/rom/RomImage.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace quindaro2 {

// How plausibly an image decodes as one edition: 0 to 100, in tenths.
struct EditionScore {
    int edition = 0;
    double score = 0;
};

// A reason no edition is clearly the one.
enum class DetectionDoubt {
    NotMarked,   // no NES mark at the start
    CutShort,    // shorter than its header declares
    LowScore,    // no edition reaches kLeastScore
    TooClose,    // the second is within kClearMargin of the first
    Unreadable,  // the file could not be read
};

// The guess of an image's edition. The user still confirms it: nothing in a
// ROM states its edition, and some editions keep most data at the same places.
struct Detection {
    std::vector<EditionScore> ranking;  // every edition, the most plausible first
    std::optional<int> edition;         // none: no edition is clearly the one
    double margin = 0;                  // the first score less the second
    std::vector<DetectionDoubt> doubts; // every reason there is no edition; empty when there is one
    QString doubt;                      // the first reason, as the user reads it
};

// A reason against a verdict, as the user reads it.
struct DoubtReason {
    DetectionDoubt kind;
    QString text;
};

// The scores the verdict needs: the best at least kLeastScore, and ahead of
// the second by at least kClearMargin.
inline constexpr double kLeastScore = 75.0;
inline constexpr double kClearMargin = 1.0;

// The verdict on the editions' scores (in tenths): the ranking, best first;
// the margin; and the best edition when no header doubt stands against it,
// it scores at least kLeastScore and it leads the second by at least
// kClearMargin. Fewer than two scores give no verdict.
Detection JudgeScores(std::vector<EditionScore> scores, std::vector<DoubtReason> headerDoubts = {});

// Ranks the editions by how plausibly the image decodes under each one's
// profile. The verdict stays open for a file that is not marked as an NES
// image or is shorter than its header declares, for one that no edition
// reads well, and for one that two editions read about equally well. The
// size of the file never counts by itself: padding changes no score.
Detection DetectEdition(const RomImage& image);

// The same for the file at `path`; a file that cannot be read has no edition.
Detection DetectEditionOfFile(const QString& path);

// What the edition dialog says under its choices.
QString DetectionNote(const Detection& detection);
// "推定は1993年版です。選んだ版と違います": another edition than the guess was chosen.
QString GuessDiffers(int guess);

// "1993 98.5": the year and the score, one line per edition, the most plausible first.
QStringList RankingLines(const Detection& detection);

} // namespace quindaro2
