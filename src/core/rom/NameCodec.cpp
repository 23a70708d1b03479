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
    if (!profile)
        return {};
    QString text;
    for (int i = 0; i < profile->names.length; ++i)
        text += profile->names.character(record[1 + i]);
    return text;
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
    if (!profile)
        return false;
    const NameTable& names = profile->names;
    for (int i = 0; i < names.length; ++i)
        record[1 + i] = names.spaceCode;
    for (int i = 0; i < names.length && i < text.size(); ++i) {
        const int code = names.code(text[i]);
        if (code < 0)
            return false;
        record[1 + i] = static_cast<std::uint8_t>(code);
    }
    return true;
}

} // namespace quindaro2
