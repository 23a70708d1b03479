#include "core/rom/NameCodec.h"

#include "core/edition/EditionProfile.h"

namespace quindaro2 {

int NameLength(int edition)
{
    const EditionProfile* profile = FindProfile(edition);
    return profile ? profile->names.length : 0;
}

QString CharTable(int edition)
{
    const EditionProfile* profile = FindProfile(edition);
    return profile ? profile->names.characters() : QString();
}

bool HasCode(int edition, QChar character)
{
    const EditionProfile* profile = FindProfile(edition);
    return profile && profile->names.code(character) >= 0;
}

QString DecodeName(int edition, const Record& record)
{
    const EditionProfile* profile = FindProfile(edition);
    return profile ? profile->names.decode(record) : QString();
}

bool IsStoredCode(int edition, int code)
{
    const EditionProfile* profile = FindProfile(edition);
    if (!profile)
        return false;
    for (const CodeRun& run : profile->names.runs) {
        if (code >= run.firstCode && code < run.firstCode + run.characters.size())
            return profile->names.code(run.characters[code - run.firstCode]) == code;
    }
    return false;
}

bool EncodeName(int edition, const QString& text, Record& record)
{
    const EditionProfile* profile = FindProfile(edition);
    return profile && profile->names.encode(text, record);
}

} // namespace quindaro2
