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
    QString caption;                           // caption of the list dialog, in the source language
    QStringList texts;                         // all twelve, in their fixed order
    std::array<std::optional<int>, kChoiceCount> codes;
    std::vector<int> offered;                  // positions in `texts`, in list order

    // The first text whose code is `byte`; none when no code matches.
    std::optional<int> IndexOfCode(int byte) const;
    // Position of the text equal to `text`; kChoiceCount when none is.
    int IndexOfText(const QString& text) const;
    QStringList OfferedTexts() const;
    // The caption in the user's language; the texts stay the game's own.
    QString shownCaption() const;
};

// The lists of the editions, named after the first edition that has each.
namespace choices {

const ChoiceList& SidesOf1986();  // right and left
const ChoiceList& SidesOf1989();  // both-sides has a code but is not offered
const ChoiceList& SidesOf1990();
const ChoiceList& SidesOf1993();  // all twelve
const ChoiceList& FormsOf1986();
const ChoiceList& FormsOf1990();
const ChoiceList& FormsOf1991();
const ChoiceList& FormsOf1992();
const ChoiceList& FormsOf1993();

} // namespace choices

QString BattingSideText(int j);
QString PitchingFormText(int j);

} // namespace quindaro2
