#pragma once

#include "support/SyntheticRom.h"

#include <random>

namespace quindaro2::test {

// A name of the edition's length made of characters that have exactly one code.
QString PlausibleName(int edition, std::mt19937& random);

// A record whose every shown field holds a value its edit dialog accepts,
// stored as the editor stores it; the bytes no column covers are random.
Record PlausibleRecord(RecordKind kind, int edition, std::mt19937& random);

// Every record of every team and the team colours, from a seeded generator.
void FillPlausibleRoster(SyntheticRom& rom, int edition, unsigned seed);

} // namespace quindaro2::test
