#pragma once

#include "core/edition/ColumnTable.h"

#include <QCoreApplication>

#include <vector>

// The grid column tables of the editions, each named after the first edition
// that has it; the edition profiles put them together.
namespace quindaro2 {

namespace columns {

std::vector<ColumnDescriptor> BattersOf1986(const NumberRule& homeRuns);
std::vector<ColumnDescriptor> BattersOf1988(const ChoiceList& sides);
std::vector<ColumnDescriptor> BattersOf1990();
std::vector<ColumnDescriptor> BattersOf1991();
std::vector<ColumnDescriptor> BattersOf1992();
std::vector<ColumnDescriptor> BattersOf1993();

std::vector<ColumnDescriptor> PitchersOf1986(const NumberRule& earnedRuns, int earnedRunsMaximum);
std::vector<ColumnDescriptor> PitchersOf1988(const ChoiceList& forms, int staminaMaximum);
std::vector<ColumnDescriptor> PitchersOf1991();
std::vector<ColumnDescriptor> PitchersOf1992();
std::vector<ColumnDescriptor> PitchersOf1993();

std::vector<ColumnDescriptor> ManagersOf1993();

// The building blocks of the tables.
inline ColumnDescriptor Name()
{
    return {QStringLiteral("名　前　　"), ColumnKind::Name, 1, nullptr, nullptr, std::nullopt, QString()};
}

inline ColumnDescriptor List(QString header, ColumnKind kind, int byte, const ChoiceList& choices)
{
    return {std::move(header), kind, byte, nullptr, &choices, std::nullopt, QString()};
}

inline ColumnDescriptor Number(QString header, ColumnKind kind, int byte, const NumberRule& rule, ValueRange range,
                               QString hint = BlankHint())
{
    return {std::move(header), kind, byte, &rule, nullptr, range, std::move(hint)};
}

inline QString PositionHint()
{
    return QString::fromUtf8(QT_TRANSLATE_NOOP("ColumnHint", "(10=DH,11=監督)"));
}

inline QString UniformNumberHint()
{
    return QString::fromUtf8(QT_TRANSLATE_NOOP("ColumnHint", "(101以降は下二桁のみ反映)"));
}

} // namespace columns

} // namespace quindaro2
