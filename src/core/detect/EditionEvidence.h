#pragma once

#include "core/edition/EditionProfile.h"
#include "core/rom/RomImage.h"

namespace quindaro2 {

// How plausibly an image decodes under one edition's profile. Every check
// that passes adds as many bits as an arbitrary byte is unlikely to pass it;
// every check that fails costs a fixed number of bits, more than any pass is
// worth, so that arbitrary bytes lose more than they gain.
struct Evidence {
    double bits = 0;      // for the edition, less the cost of the failures
    double possible = 0;  // the bits if every check passed
    int checks = 0;
    int failures = 0;

    void add(bool passed, double worth);
    // The bits as a share of the possible ones, from 0 to 100.
    double percent() const;
};

// Weighs every record slot, name, choice, value, colour and team figure of
// every team of the edition, at the places the profile gives for the image.
Evidence WeighEdition(const RomImage& image, const EditionProfile& profile);

} // namespace quindaro2
