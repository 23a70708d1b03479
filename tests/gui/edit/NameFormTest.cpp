#include "gui/edit/TNameForm.h"

#include "support/ModalRun.h"
#include "support/QtPrinters.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace quindaro2 {
namespace {

using namespace Qt::StringLiterals;

using testing::RunModal;

void Retype(QComboBox* box, const QString& text)
{
    box->lineEdit()->selectAll();
    QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
    if (!text.isEmpty())
        testing::TypeText(box->lineEdit(), text);
}

struct NameCase {
    const char* title;
    int edition;
    QString name;
    // What the user does before pressing OK; checks on the opened boxes go here too.
    std::function<void(TNameForm&)> act;
    QString expected;
};

void PrintTo(const NameCase& c, std::ostream* out)
{
    *out << c.title;
}

class NameFormOk : public ::testing::TestWithParam<NameCase> {};

TEST_P(NameFormOk, ReturnsTheJoinedBoxes)
{
    const NameCase& c = GetParam();
    TNameForm form;
    const std::optional<QString> result = RunModal(
        form,
        [&] {
            c.act(form);
            QTest::mouseClick(form.OkButton, Qt::LeftButton);
        },
        [&] { return form.EditName(c.edition, c.name); });
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NameFormOk,
    ::testing::Values(
        NameCase{"ThreeCharactersUnchanged", 1991, QStringLiteral("やまだ"),
                 [](TNameForm& form) {
                     EXPECT_EQ(form.First->currentText(), QStringLiteral("や"));
                     EXPECT_EQ(form.Third->currentText(), QStringLiteral("だ"));
                     EXPECT_EQ(form.Fourth->currentText(), QString());
                     EXPECT_EQ(form.Fifth->currentText(), QString());
                 },
                 QStringLiteral("やまだ")},
        NameCase{"EmptiedBoxClosesTheGap", 1991, QStringLiteral("すずきいち"),
                 [](TNameForm& form) { Retype(form.Second, QString()); }, QStringLiteral("すきいち")},
        NameCase{"TwoCharactersInOneBox", 1990, QStringLiteral("たなか"),
                 [](TNameForm& form) { Retype(form.First, QStringLiteral("ＡＢ")); }, QStringLiteral("ＡＢなか")},
        NameCase{"TypedTextIsNotTrimmed", 1993, QStringLiteral("いとう"),
                 [](TNameForm& form) { Retype(form.Fourth, QStringLiteral(" x")); }, QStringLiteral("いとう x")},
        NameCase{"ListChoiceReplacesCharacter", 1993, QStringLiteral("いとう"),
                 [](TNameForm& form) {
                     form.Second->setCurrentIndex(51); // "ヴ"
                 },
                 QStringLiteral("いヴう")},
        NameCase{"FourBoxesIn1987DropTheFifth", 1987, QStringLiteral("あいうえお"),
                 [](TNameForm& form) {
                     EXPECT_FALSE(form.Fifth->isEnabled());
                     EXPECT_EQ(form.Fourth->currentText(), QStringLiteral("え"));
                 },
                 QStringLiteral("あいうえ")},
        NameCase{"FiveBoxesFrom1988", 1988, QStringLiteral("あいうえお"),
                 [](TNameForm& form) { EXPECT_TRUE(form.Fifth->isEnabled()); }, QStringLiteral("あいうえお")},
        NameCase{"LongerNameKeepsFiveBoxes", 1994, QStringLiteral("あいうえおか"), [](TNameForm&) {},
                 QStringLiteral("あいうえお")},
        NameCase{"EnterInABoxDoesNotClose", 1991, QStringLiteral("やまだ"),
                 [](TNameForm& form) {
                     form.First->lineEdit()->setFocus();
                     Retype(form.First, QStringLiteral("ＸＹ"));
                     QTest::keyClick(form.First->lineEdit(), Qt::Key_Return);
                     EXPECT_TRUE(form.isVisible());
                     // Enter must not have added the typed text to the list either.
                     EXPECT_EQ(form.First->count(), 88);
                 },
                 QStringLiteral("ＸＹまだ")}),
    [](const ::testing::TestParamInfo<NameCase>& info) { return std::string(info.param.title); });

TEST(NameForm, CancelAndFrameCloseReturnNothing)
{
    TNameForm form;
    EXPECT_FALSE(RunModal(
        form, [&] { QTest::mouseClick(form.CancelButton, Qt::LeftButton); },
        [&] { return form.EditName(1991, QStringLiteral("やまだ")); }));
    EXPECT_FALSE(RunModal(
        form, [&] { form.close(); }, [&] { return form.EditName(1991, QStringLiteral("やまだ")); }));
}

// A refused name keeps the dialog open with the boxes as typed, so that one
// character can be mended; the reason comes in a warning titled "警告".
TEST(NameForm, ARefusedNameStaysInTheBoxes)
{
    TNameForm form;
    QStringList checked;
    const AnswerCheck check = [&](const QString& name) {
        checked << name;
        return name.contains(QStringLiteral("Ｘ")) ? QStringLiteral("「Ｘ」は使えません") : QString();
    };
    testing::MessageBoxSeen warning;
    bool openAfterRefusal = false;
    QStringList kept;
    const std::optional<QString> result = RunModal(
        form,
        [&] {
            Retype(form.First, QStringLiteral("Ｘ"));
            Retype(form.Fourth, QStringLiteral("の"));
            testing::CloseNextMessageBox(warning);
            QTest::mouseClick(form.OkButton, Qt::LeftButton);
            openAfterRefusal = form.isVisible();
            for (const QComboBox* box : {form.First, form.Second, form.Third, form.Fourth, form.Fifth})
                kept << box->currentText();
            Retype(form.First, QStringLiteral("や"));
            QTest::mouseClick(form.OkButton, Qt::LeftButton);
        },
        [&] { return form.EditName(1991, QStringLiteral("はまだ"), check); });
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(kept, (QStringList{QStringLiteral("Ｘ"), QStringLiteral("ま"), QStringLiteral("だ"),
                                 QStringLiteral("の"), QString()}));
    EXPECT_EQ(warning.title, QStringLiteral("警告"));
    EXPECT_EQ(warning.icon, QMessageBox::Warning);
    EXPECT_EQ(warning.text, QStringLiteral("「Ｘ」は使えません"));
    EXPECT_EQ(checked, (QStringList{QStringLiteral("Ｘまだの"), QStringLiteral("やまだの")}));
    EXPECT_EQ(result, std::optional<QString>(QStringLiteral("やまだの")));
}

TEST(NameForm, EnterOnTheFocusedButtonPressesIt)
{
    TNameForm form;
    const std::optional<QString> result = RunModal(
        form,
        [&] {
            form.OkButton->setFocus();
            QTest::keyClick(form.OkButton, Qt::Key_Return);
        },
        [&] { return form.EditName(1992, QStringLiteral("かとう")); });
    EXPECT_EQ(result, std::optional<QString>(QStringLiteral("かとう")));
}

TEST(NameForm, FifthIsEnabledAgainAfterAnEarlyEdition)
{
    TNameForm form;
    const auto ok = [&] { QTest::mouseClick(form.OkButton, Qt::LeftButton); };
    EXPECT_EQ(RunModal(form, ok, [&] { return form.EditName(1986, QStringLiteral("あいうえ")); }),
              std::optional<QString>(QStringLiteral("あいうえ")));
    bool enabled = false;
    const std::optional<QString> later = RunModal(
        form,
        [&] {
            enabled = form.Fifth->isEnabled();
            ok();
        },
        [&] { return form.EditName(1993, QStringLiteral("かきくけこ")); });
    EXPECT_TRUE(enabled);
    EXPECT_EQ(later, std::optional<QString>(QStringLiteral("かきくけこ")));
}

QStringList ItemsOf(const QComboBox& box)
{
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items.append(box.itemText(i));
    return items;
}

struct ListCase {
    int edition;
    int size;
    std::vector<std::pair<int, QString>> entries; // 1-based place, text
};

void PrintTo(const ListCase& c, std::ostream* out)
{
    *out << c.edition;
}

class NameFormLists : public ::testing::TestWithParam<ListCase> {};

TEST_P(NameFormLists, EveryBoxOffersTheEditionsList)
{
    const ListCase& c = GetParam();
    TNameForm form;
    // A list from another edition first: each use rebuilds the lists.
    RunModal(form, [&] { form.reject(); }, [&] { return form.EditName(c.edition >= 1993 ? 1986 : 1994, QString()); });
    std::vector<QStringList> lists;
    RunModal(
        form,
        [&] {
            for (const QComboBox* box : {form.First, form.Second, form.Third, form.Fourth, form.Fifth})
                lists.push_back(ItemsOf(*box));
            form.reject();
        },
        [&] { return form.EditName(c.edition, QStringLiteral("あ")); });
    ASSERT_EQ(lists.size(), 5u);
    for (const QStringList& items : lists) {
        ASSERT_EQ(items.size(), c.size);
        EXPECT_EQ(items, TNameForm::NameEntryCharacters(c.edition));
        for (const auto& [place, text] : c.entries)
            EXPECT_EQ(items[place - 1], text) << "entry " << place;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Editions, NameFormLists,
    ::testing::Values(ListCase{1986, 88,
                               {{1, QStringLiteral("０")},
                                {11, QStringLiteral("Ａ")},
                                {37, QStringLiteral("　")},
                                {38, QStringLiteral("．")},
                                {39, QStringLiteral("ー")},
                                {40, QStringLiteral("あ")},
                                {85, QStringLiteral("ん")},
                                {86, QStringLiteral("゛")},
                                {87, QStringLiteral("゜")},
                                {88, QStringLiteral("ー")}}},
                      ListCase{1992, 88, {{36, QStringLiteral("Ｚ")}, {88, QStringLiteral("ー")}}},
                      ListCase{1993, 80,
                               {{1, QStringLiteral("っ")},
                                {45, QStringLiteral("わ")},
                                {46, QStringLiteral("ぇ")},
                                {47, QStringLiteral("ん")},
                                {50, QStringLiteral("ょ")},
                                {52, QStringLiteral("ヴ")},
                                {53, QStringLiteral("　")},
                                {54, QStringLiteral("　")},
                                {55, QStringLiteral("が")},
                                {69, QStringLiteral("ど")},
                                {70, QStringLiteral("　")},
                                {71, QStringLiteral("ば")},
                                {80, QStringLiteral("ぽ")}}},
                      ListCase{1994, 80, {{76, QStringLiteral("ぱ")}}}));

TEST(NameForm, WindowAndBoxesHoldAFullWidthCharacter)
{
    TNameForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("選手名の入力"));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "the window must not be resizable";
    EXPECT_GE(form.width(), 370);
    EXPECT_GE(form.height(), 72);
    const QRect client = form.rect();
    int previousRight = 0;
    for (QComboBox* box : {form.First, form.Second, form.Third, form.Fourth, form.Fifth}) {
        QStyleOptionComboBox option;
        option.initFrom(box);
        option.editable = true;
        const QRect field =
            box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
        EXPECT_GE(field.width(), box->fontMetrics().horizontalAdvance(QStringLiteral("あ")))
            << box->objectName().toStdString();
        EXPECT_GT(box->x(), previousRight) << "boxes overlap";
        previousRight = box->geometry().right();
        EXPECT_TRUE(client.contains(box->geometry()));
    }
    for (QPushButton* button : {form.OkButton, form.CancelButton}) {
        EXPECT_GT(button->x(), previousRight);
        EXPECT_TRUE(client.contains(button->geometry()));
        EXPECT_FALSE(button->isDefault());
    }
}

TEST(NameForm, TabVisitsBoxesThenButtons)
{
    TNameForm form;
    QStringList visited;
    RunModal(
        form,
        [&] {
            for (int i = 0; i < 7; ++i) {
                QWidget* focus = QApplication::focusWidget();
                ASSERT_NE(focus, nullptr);
                // A box's focus sits in its line edit.
                QWidget* owner = qobject_cast<QComboBox*>(focus->parentWidget()) ? focus->parentWidget() : focus;
                visited.append(owner->objectName());
                QTest::keyClick(focus, Qt::Key_Tab);
            }
            form.reject();
        },
        [&] { return form.EditName(1991, QStringLiteral("やまだ")); });
    EXPECT_EQ(visited, QStringList({QStringLiteral("First"), QStringLiteral("Second"), QStringLiteral("Third"),
                                    QStringLiteral("Fourth"), QStringLiteral("Fifth"), QStringLiteral("OkButton"),
                                    QStringLiteral("CancelButton")}));
}

// The line above the boxes: romaji typed there become the edition's kana,
// one to a box with the rest padded, and the line follows the boxes.
TEST(NameForm, TheLineAndTheBoxesFollowEachOther)
{
    struct Case {
        int edition;
        const char* typed;
        QStringList boxes;
    };
    for (const Case& c : {Case{1986, "gaku", {u"か"_s, u"゛"_s, u"く"_s, u"　"_s, QString()}},
                          Case{1993, "minami", {u"み"_s, u"な"_s, u"み"_s, u"　"_s, u"　"_s}},
                          Case{1991, "kan", {u"か"_s, u"ん"_s, u"　"_s, u"　"_s, u"　"_s}}}) {
        TNameForm form;
        QStringList boxes;
        QString lineAfterBox;
        const std::optional<QString> result = RunModal(
            form,
            [&] {
                form.NameLine->setFocus();
                form.NameLine->selectAll();
                QTest::keyClicks(form.NameLine, QString::fromLatin1(c.typed));
                QTest::mouseClick(form.OkButton, Qt::LeftButton);
            },
            [&] { return form.EditName(c.edition, u"たなかやま"_s); });
        for (const QComboBox* box : {form.First, form.Second, form.Third, form.Fourth, form.Fifth})
            boxes << box->currentText();
        EXPECT_EQ(boxes, c.boxes) << c.typed;
        ASSERT_TRUE(result) << c.typed;
        EXPECT_EQ(*result, c.boxes.join(QString()));
        Retype(form.First, u"ほ"_s);
        EXPECT_TRUE(form.NameLine->text().startsWith(u"ほ"_s)) << c.typed;
        EXPECT_FALSE(form.NameLine->text().endsWith(u"　"_s)) << c.typed;
    }
}

} // namespace
} // namespace quindaro2
