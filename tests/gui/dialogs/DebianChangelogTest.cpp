#include "gui/dialogs/DebianChangelog.h"

#include <gtest/gtest.h>

#include <QDate>

namespace quindaro2 {
namespace {

const ChangelogSigner kSigner{QStringLiteral("pkg"), QStringLiteral("1"), QStringLiteral("A B <a@b.invalid>")};

struct ChangelogCase {
    const char* name;
    QList<THistoryForm::Release> releases;
    const char* changelog;
};

void PrintTo(const ChangelogCase& c, std::ostream* out)
{
    *out << c.name;
}

class DebianChangelogTest : public ::testing::TestWithParam<ChangelogCase> {};

TEST_P(DebianChangelogTest, WritesOneEntryPerRelease)
{
    EXPECT_EQ(DebianChangelog(GetParam().releases, kSigner).toStdString(), GetParam().changelog);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DebianChangelogTest,
    ::testing::Values(
        ChangelogCase{"NewestFirstWithoutBullets",
                      {{QStringLiteral("0.2.0"), QStringLiteral("2027-01-10"),
                        {QStringLiteral("• Undo"), QStringLiteral("・取り消し")}},
                       {QStringLiteral("0.1.0"), QStringLiteral("2026-02-28"), {QStringLiteral("First")}}},
                      "pkg (0.2.0-1) unstable; urgency=medium\n\n"
                      "  * Undo\n"
                      "  * 取り消し\n\n"
                      " -- A B <a@b.invalid>  Sun, 10 Jan 2027 00:00:00 +0000\n"
                      "\n"
                      "pkg (0.1.0-1) unstable; urgency=medium\n\n"
                      "  * First\n\n"
                      " -- A B <a@b.invalid>  Sat, 28 Feb 2026 00:00:00 +0000\n"},
        ChangelogCase{"LongNotesWrapAtEightyColumns",
                      {{QStringLiteral("1.0.0"), QStringLiteral("2026-12-08"),
                        {QStringLiteral("• ") + QStringLiteral("word ").repeated(20).trimmed()}}},
                      "pkg (1.0.0-1) unstable; urgency=medium\n\n"
                      "  * word word word word word word word word word word word word word word word\n"
                      "    word word word word word\n\n"
                      " -- A B <a@b.invalid>  Tue, 08 Dec 2026 00:00:00 +0000\n"},
        ChangelogCase{"AWordLongerThanALineStaysWhole",
                      {{QStringLiteral("1.0.0"), QStringLiteral("2026-12-08"),
                        {QStringLiteral("a ") + QString(90, u'x')}}},
                      "pkg (1.0.0-1) unstable; urgency=medium\n\n"
                      "  * a\n"
                      "    " "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\n\n"
                      " -- A B <a@b.invalid>  Tue, 08 Dec 2026 00:00:00 +0000\n"},
        ChangelogCase{"ReleasesOfOneDayAMinuteApart",
                      {{QStringLiteral("0.3.0"), QStringLiteral("2026-12-08"), {QStringLiteral("c")}},
                       {QStringLiteral("0.2.0"), QStringLiteral("2026-12-08"), {QStringLiteral("b")}},
                       {QStringLiteral("0.1.0"), QStringLiteral("2026-12-08"), {QStringLiteral("a")}}},
                      "pkg (0.3.0-1) unstable; urgency=medium\n\n  * c\n\n"
                      " -- A B <a@b.invalid>  Tue, 08 Dec 2026 00:02:00 +0000\n\n"
                      "pkg (0.2.0-1) unstable; urgency=medium\n\n  * b\n\n"
                      " -- A B <a@b.invalid>  Tue, 08 Dec 2026 00:01:00 +0000\n\n"
                      "pkg (0.1.0-1) unstable; urgency=medium\n\n  * a\n\n"
                      " -- A B <a@b.invalid>  Tue, 08 Dec 2026 00:00:00 +0000\n"},
        ChangelogCase{"NoReleases", {}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// The history's own notes: each release has an entry and a date Debian can read.
TEST(DebianChangelogTest, TheHistorysReleasesAllHaveEntries)
{
    const QList<THistoryForm::Release> releases = THistoryForm::Releases();
    ASSERT_FALSE(releases.isEmpty());
    const QString changelog = DebianChangelog(releases, kSigner);
    for (const THistoryForm::Release& release : releases) {
        EXPECT_TRUE(changelog.contains(QStringLiteral("pkg (%1-1) unstable").arg(release.version)));
        EXPECT_TRUE(QDate::fromString(release.date, Qt::ISODate).isValid()) << release.date.toStdString();
    }
    EXPECT_FALSE(changelog.contains(QStringLiteral(",  00:00:00"))) << "a date that did not parse";
}

} // namespace
} // namespace quindaro2
