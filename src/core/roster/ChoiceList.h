#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace quindaro2 {

inline constexpr int kChoiceCount = 12;

// The twelve texts of a list column (batting sides or pitching forms), each
// edition's byte code per text, and the texts its edit dialog offers.
struct ChoiceList {
    QString caption;                           // caption of the list dialog
    QStringList texts;                         // all twelve, in their fixed order
    std::array<std::optional<int>, kChoiceCount> codes;
    std::vector<int> offered;                  // positions in `texts`, in list order

    // The first text whose code is `byte`; none when no code matches.
    std::optional<int> IndexOfCode(int byte) const;
    // Position of the text equal to `text`; kChoiceCount when none is.
    int IndexOfText(const QString& text) const;
    QStringList OfferedTexts() const;
};

const ChoiceList& BattingSides(int edition);
const ChoiceList& PitchingForms(int edition);

QString BattingSideText(int j);
QString PitchingFormText(int j);
std::optional<int> PitchingFormCode(int edition, int j);

} // namespace quindaro2
