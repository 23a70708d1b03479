#include "core/file/FileIdentity.h"
#include "support/SyntheticRom.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace quindaro2 {
namespace {

TEST(SameFile, DecidesByIdentityNotBySpelling)
{
    test::RomFolder folder;
    const QString rom = folder.write(QStringLiteral("game.nes"), test::SyntheticRom(32));
    const QString copy = folder.write(QStringLiteral("copy.nes"), test::SyntheticRom(32));
    const QString link = folder.path(QStringLiteral("link.nes"));
    ASSERT_TRUE(QFile::link(rom, link));
    ASSERT_TRUE(QDir().mkpath(folder.path(QStringLiteral("sub"))));

    EXPECT_TRUE(SameFile(rom, rom));
    EXPECT_TRUE(SameFile(rom, link));
    EXPECT_TRUE(SameFile(rom, folder.path(QStringLiteral("sub/../game.nes"))));
    EXPECT_TRUE(SameFile(rom, folder.path(QStringLiteral("./game.nes"))));
    EXPECT_FALSE(SameFile(rom, copy));
    EXPECT_FALSE(SameFile(rom, folder.path(QStringLiteral("missing.nes"))));
    EXPECT_FALSE(SameFile(folder.path(QStringLiteral("missing.nes")), folder.path(QStringLiteral("missing.nes"))));
}

} // namespace
} // namespace quindaro2
