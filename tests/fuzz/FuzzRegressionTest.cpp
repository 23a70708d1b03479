#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <vector>

// Every input kept under fuzz/regressions/<target>/ runs through its target
// here: seeds (seed-*), and inputs that once broke a property (crash-*). A
// property that breaks ends the test process with the property's name on the
// error output.

namespace quindaro2::fuzz {
namespace {

using Target = int (*)(const std::uint8_t*, std::size_t);

struct TargetFolder {
    const char* folder;
    Target target;
};

const TargetFolder kTargets[] = {
    {"name_codec", FuzzNameCodec},
    {"field_codec", FuzzFieldCodec},
    {"fill_export", FuzzFillExport},
    {"write_back", FuzzWriteBack},
    {"patch", FuzzPatch},
};

struct StoredInput {
    std::string folder;
    Target target = nullptr;
    QString path;
};

void PrintTo(const StoredInput& input, std::ostream* out)
{
    *out << input.path.toStdString();
}

QStringList FilesIn(const char* folder)
{
    const QDir dir(QStringLiteral(QUINDARO2_FUZZ_REGRESSIONS "/") + QString::fromLatin1(folder));
    QStringList paths;
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

std::vector<StoredInput> StoredInputs()
{
    std::vector<StoredInput> inputs;
    for (const TargetFolder& target : kTargets) {
        for (const QString& path : FilesIn(target.folder))
            inputs.push_back({target.folder, target.target, path});
    }
    return inputs;
}

void Replay(const StoredInput& input)
{
    QFile file(input.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << input.path.toStdString();
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(input.target(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())), 0);
}

std::string TestName(const testing::TestParamInfo<StoredInput>& info)
{
    std::string name = info.param.folder + "_" + QFileInfo(info.param.path).fileName().toStdString();
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return name;
}

class StoredFuzzInput : public testing::TestWithParam<StoredInput> {};

TEST_P(StoredFuzzInput, KeepsEveryProperty)
{
    Replay(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Regressions, StoredFuzzInput, testing::ValuesIn(StoredInputs()), TestName);

// Without stored inputs a target would be replayed by nothing at all.
TEST(StoredFuzzInputs, EveryTargetHasInputsToReplay)
{
    for (const TargetFolder& target : kTargets)
        EXPECT_FALSE(FilesIn(target.folder).isEmpty()) << target.folder;
}

} // namespace
} // namespace quindaro2::fuzz
