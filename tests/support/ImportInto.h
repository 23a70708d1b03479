#pragma once

#include "core/edition/EditionProfile.h"
#include "core/import/PlayerImport.h"

namespace quindaro2::test {

// The import of the texts into a document of the image, as the editor and the tool make it.
inline Result<PlayerImport> ImportInto(const RomImage& image, int edition, const std::vector<ImportFile>& files)
{
    const RomDocument document(QStringLiteral("rom.nes"), *FindProfile(edition), image);
    return ImportPlayerData(document, files);
}

} // namespace quindaro2::test
