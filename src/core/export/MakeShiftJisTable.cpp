// Build step: writes the Shift-JIS form of every character of the Basic
// Multilingual Plane that the windows-31j converter encodes, so that an
// export needs no converter at run time.
#include <QStringEncoder>

#include <cstdio>

int main()
{
    QStringEncoder encoder("windows-31j", QStringEncoder::Flag::Stateless);
    if (!encoder.isValid()) {
        std::fprintf(stderr, "no windows-31j converter\n");
        return 1;
    }
    std::printf("// Generated at build time from the windows-31j converter; do not edit.\n"
                "#include \"core/export/ShiftJisTable.h\"\n\n"
                "namespace quindaro2 {\n\n"
                "extern const ShiftJisEntry kShiftJisEntries[] = {\n");
    int count = 0;
    for (char32_t code = 0; code < 0x10000; ++code) {
        if (code >= 0xD800 && code < 0xE000)
            continue;
        const QChar character(static_cast<char16_t>(code));
        QStringEncoder one("windows-31j", QStringEncoder::Flag::Stateless);
        const QByteArray bytes = one(QStringView(&character, 1));
        if (one.hasError() || bytes.isEmpty() || bytes.size() > 2)
            continue;
        const unsigned value = bytes.size() == 1 ? static_cast<unsigned char>(bytes[0])
                                                 : (static_cast<unsigned char>(bytes[0]) << 8) | static_cast<unsigned char>(bytes[1]);
        std::printf("    {0x%04X, 0x%04X},\n", static_cast<unsigned>(code), value);
        ++count;
    }
    std::printf("};\n\nextern const std::size_t kShiftJisEntryCount = %d;\n\n} // namespace quindaro2\n", count);
    return count > 0 ? 0 : 1;
}
