#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace quindaro2::fuzz {

// Reads the fuzzer's bytes front to back. Past the end every read yields zero,
// so every input, however short, is a complete test case.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return position_ >= size_; }
    std::size_t remaining() const { return empty() ? 0 : size_ - position_; }

    std::uint8_t byte();
    std::uint16_t uint16();
    std::uint32_t uint32();
    // Up to `bytes` bytes, fewer when the input ends.
    QByteArray bytes(std::size_t bytes);
    QByteArray rest();
    // UTF-16 code units straight from the input, lone surrogates included:
    // the text a QString can hold, not only the text a user can type.
    QString utf16(int maxUnits);

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// Ends the process on a broken property, naming it first. The libFuzzer
// targets save the input that got here; a replayed input fails its test.
[[noreturn]] void Violation(const char* property, const QString& detail = QString());

inline void Require(bool holds, const char* property)
{
    if (!holds)
        Violation(property);
}

// `detail` makes the text that names the case; it runs only on a violation,
// since building texts for every check would slow the fuzzers down.
template <typename Detail>
void Require(bool holds, const char* property, Detail&& detail)
{
    if (!holds)
        Violation(property, detail());
}

// A folder of this process for the files one input needs; it outlives every
// input and vanishes at exit.
QString ScratchPath(const QString& name);

// Replaces the file's content with `bytes`; false when it cannot.
bool WriteWholeFile(const QString& path, const QByteArray& bytes);
QByteArray ReadWholeFile(const QString& path);

} // namespace quindaro2::fuzz
