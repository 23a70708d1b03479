#include "core/sample/DemoRom.h"
#include "core/edition/EditionLayout.h"
#include "gui/app/TMainForm.h"
#include "gui/app/TVersionForm.h"
#include "support/ModalRun.h"
#include "support/SyntheticRom.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

using test::RomFolder;
using testing::RunNextModal;

// What the edition dialog showed when it opened.
struct Shown {
    QString checked;
    QString note;
    bool noteVisible = false;
};

// The editor with its real dialogs: opening a file shows the real edition dialog.
class EditionProposalTest : public ::testing::Test {
protected:
    // Opens the file, notes what the dialog proposes, picks `item` (the
    // proposal when empty) and confirms with OK.
    Shown open(const QByteArray& bytes, const QString& item = QString())
    {
        const QString path = folder.write(QStringLiteral("rom%1.nes").arg(++files), bytes);
        Shown shown;
        RunNextModal<TVersionForm>(
            [&](TVersionForm& dialog) {
                for (QRadioButton* button : dialog.findChildren<QRadioButton*>()) {
                    if (button->isChecked())
                        shown.checked = button->text();
                    if (button->text() == item)
                        QTest::mouseClick(button, Qt::LeftButton);
                }
                shown.note = dialog.NoteLabel->text();
                shown.noteVisible = dialog.NoteLabel->isVisible();
                QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
            },
            [&] {
                form.OpenRomFile(path);
                return 0;
            });
        return shown;
    }

    RomFolder folder;
    TMainForm form;
    int files = 0;
};

struct ProposalCase {
    const char* name;
    QByteArray bytes;
    const char* checked;
    int edition;
};

void PrintTo(const ProposalCase& c, std::ostream* out)
{
    *out << c.name;
}

class ProposedEditionTest : public EditionProposalTest, public ::testing::WithParamInterface<ProposalCase> {};

// The dialog opens on the detected edition, says so under the choices, and
// still waits for the user's OK.
TEST_P(ProposedEditionTest, PreselectsTheDetectedEditionAndSaysSo)
{
    const ProposalCase& c = GetParam();
    const Shown shown = open(c.bytes);
    EXPECT_EQ(shown.checked, QString::fromUtf8(c.checked));
    EXPECT_EQ(shown.note, QStringLiteral("推定：%1年版").arg(c.edition));
    EXPECT_TRUE(shown.noteVisible);
    EXPECT_EQ(form.session().document()->edition(), c.edition);
    EXPECT_EQ(form.TeamBox->count(), TeamCount(c.edition));
}

INSTANTIATE_TEST_SUITE_P(
    Samples, ProposedEditionTest,
    ::testing::Values(ProposalCase{"Random1993", DemoRomImage(1993, {1, true, false}), "93", 1993},
                      ProposalCase{"Random1987WithTrainer", DemoRomImage(1987, {1, true, true}), "87", 1987},
                      ProposalCase{"Plain1990", DemoRomImage(1990), "90", 1990}),
    [](const auto& info) { return std::string(info.param.name); });

// Without a clear edition the dialog keeps the edition chosen last, says it
// cannot tell, and opens the file as the edition the user picks.
TEST_F(EditionProposalTest, WithoutAGuessKeepsTheLastChoiceAndSaysSo)
{
    ASSERT_EQ(open(DemoRomImage(1991, {2, true, false})).checked, QStringLiteral("91"));

    QByteArray undecidable = DemoRomImage(1994, {2, true, false});
    for (int team = 0; team < TeamCount(1993); ++team) {
        undecidable[ColorOffsets(1993, team, 0)->helmet] = undecidable[ColorOffsets(1994, team, 0)->helmet];
        undecidable[ColorOffsets(1993, team, 0)->uniform] = undecidable[ColorOffsets(1994, team, 0)->uniform];
    }
    const Shown shown = open(undecidable, QStringLiteral("94"));
    EXPECT_EQ(shown.checked, QStringLiteral("91"));
    EXPECT_EQ(shown.note, QStringLiteral("推定できません"));
    EXPECT_TRUE(shown.noteVisible);
    EXPECT_EQ(form.session().document()->edition(), 1994);
    EXPECT_EQ(form.TeamBox->itemText(5), QStringLiteral("YB"));
}

} // namespace
} // namespace quindaro2
