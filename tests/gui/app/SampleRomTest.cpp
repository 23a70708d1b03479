#include "core/edition/Edition.h"
#include "core/sample/DemoRom.h"
#include "core/sample/SampleFolder.h"
#include "gui/app/EditorSettings.h"
#include "gui/app/ScriptedWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QStatusBar>

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

using test::ReadFile;

class SampleRomTest : public test::ScriptedWindowTest {
protected:
    void SetUp() override { QDir(EditorSettings::samplesFolder()).removeRecursively(); }
    void TearDown() override { QDir(EditorSettings::samplesFolder()).removeRecursively(); }

    QStringList Samples() const { return QDir(EditorSettings::samplesFolder()).entryList(QDir::Files, QDir::Name); }
};

// "サンプルROMを開く" asks for the edition, writes a new sample of it into the
// program's data folder and opens it: the caption names it, the status bar
// says where it lives.
TEST_F(SampleRomTest, EveryEditionOpensAsAFreshSample)
{
    for (int edition = kFirstEdition; edition <= kLastEdition; ++edition) {
        SCOPED_TRACE(edition);
        prompts.sampleEdition = edition;
        prompts.asked.clear();
        const QStringList before = Samples();
        form.MenuSampleClick();
        EXPECT_EQ(prompts.asked, QStringList{QStringLiteral("sample-edition")});
        const QStringList after = Samples();
        ASSERT_EQ(after.size(), before.size() + 1);
        const QString path = form.session().document()->path();
        EXPECT_EQ(QFileInfo(path).absolutePath(), QFileInfo(EditorSettings::samplesFolder()).absoluteFilePath());
        EXPECT_EQ(ReadFile(path), DemoRomImage(edition));
        EXPECT_EQ(form.session().document()->edition(), edition);
        EXPECT_EQ(form.TeamBox->count(), TeamCount(edition));
        EXPECT_TRUE(form.windowTitle().contains(QStringLiteral("サンプル%1年版").arg(edition))) << form.windowTitle().toStdString();
        EXPECT_TRUE(form.statusBar()->currentMessage().contains(QDir::toNativeSeparators(path)));
        EXPECT_TRUE(prompts.warnings.isEmpty()) << prompts.warnings.join(u'\n').toStdString();
    }
}

// A sample is saved like any ROM, in place; the next sample is a new file
// and leaves the saved one as it is.
TEST_F(SampleRomTest, ASampleIsSavedInPlaceAndNeverWrittenOver)
{
    prompts.edition = 1993;
    form.MenuSampleClick();
    const QString sample = form.session().document()->path();
    edit(RecordKind::Batter, 4, 1, Other(form.BatterGrid, 4, 1, QStringLiteral("7"), QStringLiteral("8")));
    prompts.saveTarget = sample;
    form.MenuSaveClick();
    const QByteArray saved = ReadFile(sample);
    EXPECT_NE(saved, DemoRomImage(1993));
    EXPECT_FALSE(form.session().modified());

    form.MenuSampleClick();
    EXPECT_NE(form.session().document()->path(), sample);
    EXPECT_EQ(ReadFile(sample), saved);
    EXPECT_EQ(Samples().size(), 2);
}

} // namespace
} // namespace quindaro2
