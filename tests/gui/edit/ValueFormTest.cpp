#include "gui/edit/TValueForm.h"

#include "gui/edit/NumberBox.h"
#include "support/ModalRun.h"
#include "support/QtPrinters.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace quindaro2 {
namespace {

using testing::RunModal;

const ValueRange kAverage{150, 348, 2};

std::optional<QString> Typed(int number)
{
    return QString::number(number);
}

std::optional<QString> EnterWith(TValueForm& form, const ValueRange& range, int start,
                                 const std::function<void()>& act)
{
    return RunModal(
        form,
        [&] {
            act();
            QTest::mouseClick(form.OKButton, Qt::LeftButton);
        },
        [&] { return form.EnterValue(QStringLiteral("実打率"), QStringLiteral("やまだ"), range, start, QString()); });
}

void Retype(TValueForm& form, const QString& text)
{
    form.ValueEdit->setFocus();
    form.ValueEdit->selectAll();
    QTest::keyClick(form.ValueEdit, Qt::Key_Backspace);
    QTest::keyClicks(form.ValueEdit, text);
}

struct RangeCase {
    ValueRange range;
    const char* text;
};

void PrintTo(const RangeCase& c, std::ostream* out)
{
    *out << c.text;
}

class ValueFormRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(ValueFormRange, ShowsTheRangeInFullWidthBrackets)
{
    EXPECT_EQ(TValueForm::RangeText(GetParam().range), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Ranges, ValueFormRange,
                         ::testing::Values(RangeCase{{150, 348, 2}, "（150～348）"}, RangeCase{{0, 62, 1}, "（0～62）"},
                                           RangeCase{{-5, 10, 1}, "（-5～10）"}));

TEST(ValueForm, SetsCaptionLabelsAndStartingNumber)
{
    TValueForm form;
    QString caption, label, range, memo, shown;
    int memoHeight = 0;
    RunModal(
        form,
        [&] {
            caption = form.windowTitle();
            label = form.Label->text();
            range = form.Range->text();
            memo = form.MemoLabel->text();
            memoHeight = form.MemoLabel->height();
            shown = form.ValueEdit->text();
            form.reject();
        },
        [&] {
            return form.EnterValue(QStringLiteral("守備位置"), QStringLiteral("すずき"), ValueRange{2, 10, 1}, 7,
                                   QStringLiteral("(8-10)\r（他の値でも動作可能)"));
        });
    EXPECT_EQ(caption, QStringLiteral("守備位置"));
    EXPECT_EQ(label, QStringLiteral("すずき"));
    EXPECT_EQ(range, QStringLiteral("（2～10）"));
    // The carriage return starts a second line, and the label has room for it.
    EXPECT_EQ(memo, QStringLiteral("(8-10)\n（他の値でも動作可能)"));
    EXPECT_GE(memoHeight, 2 * QFontMetrics(form.MemoLabel->font()).lineSpacing());
    EXPECT_EQ(shown, QStringLiteral("7"));
}

// The 1991 batter type's hint: its closing bracket stays on the first line.
TEST(ValueForm, NoLineOfAHintStartsWithAClosingBracket)
{
    TValueForm form;
    QString memo;
    RunModal(
        form,
        [&] {
            memo = form.MemoLabel->text();
            form.reject();
        },
        [&] {
            return form.EnterValue(QStringLiteral("タイプ"), QStringLiteral("すずき"), ValueRange{0, 15, 1}, 3,
                                   QStringLiteral("(内野手:1-3　外野手:4-6　捕手:7\r)（他の値でも動作可能)"));
        });
    EXPECT_EQ(memo, QStringLiteral("(内野手:1-3　外野手:4-6　捕手:7)\n（他の値でも動作可能)"));
}

TEST(ValueForm, TypedNumberOffTheStepIsTakenAsTyped)
{
    TValueForm form;
    EXPECT_EQ(EnterWith(form, kAverage, 200, [&] { Retype(form, QStringLiteral("151")); }), Typed(151));
}

struct StepCase {
    const char* title;
    ValueRange range;
    int start;
    Qt::Key key;
    int presses;
    int expected;
};

void PrintTo(const StepCase& c, std::ostream* out)
{
    *out << c.title;
}

class ValueFormSteps : public ::testing::TestWithParam<StepCase> {};

TEST_P(ValueFormSteps, ArrowKeysMoveByTheStepWithinTheRange)
{
    const StepCase& c = GetParam();
    TValueForm form;
    const std::optional<QString> result = EnterWith(form, c.range, c.start, [&] {
        form.ValueEdit->setFocus();
        for (int i = 0; i < c.presses; ++i)
            QTest::keyClick(form.ValueEdit, c.key);
    });
    EXPECT_EQ(result, Typed(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValueFormSteps,
    ::testing::Values(StepCase{"UpByTwo", kAverage, 200, Qt::Key_Up, 1, 202},
                      StepCase{"DownByTwoTwice", kAverage, 200, Qt::Key_Down, 2, 196},
                      StepCase{"StopsAtTheMaximum", kAverage, 346, Qt::Key_Up, 3, 348},
                      StepCase{"StopsAtTheMinimumWithoutWrapping", {0, 62, 1}, 1, Qt::Key_Down, 3, 0},
                      StepCase{"StepZeroDoesNotMoveUp", {0, 15, 0}, 7, Qt::Key_Up, 2, 7},
                      StepCase{"StepZeroDoesNotMoveDown", {0, 15, 0}, 7, Qt::Key_Down, 2, 7},
                      StepCase{"DownFromAboveTheRangeGoesToTheMaximum", {0, 62, 1}, 99, Qt::Key_Down, 1, 62},
                      StepCase{"UpFromBelowTheRangeGoesToTheMinimum", {0, 62, 1}, -1, Qt::Key_Up, 1, 0},
                      StepCase{"PageUpStepsTenTimes", {0, 109, 1}, 5, Qt::Key_PageUp, 1, 15}),
    [](const ::testing::TestParamInfo<StepCase>& info) { return std::string(info.param.title); });

TEST(ValueForm, StepsFromATypedOddNumber)
{
    TValueForm form;
    EXPECT_EQ(EnterWith(form, kAverage, 200,
                        [&] {
                            Retype(form, QStringLiteral("151"));
                            QTest::keyClick(form.ValueEdit, Qt::Key_Up);
                        }),
              Typed(153));
}

TEST(ValueForm, CancelAndFrameCloseReturnNothing)
{
    TValueForm form;
    const auto open = [&] {
        return form.EnterValue(QStringLiteral("c"), QStringLiteral("l"), kAverage, 200, QString());
    };
    EXPECT_FALSE(RunModal(
        form,
        [&] {
            Retype(form, QStringLiteral("300"));
            QTest::mouseClick(form.Button1, Qt::LeftButton);
        },
        open));
    EXPECT_FALSE(RunModal(form, [&] { form.close(); }, open));
}

TEST(ValueForm, EnterInTheNumberBoxDoesNotClose)
{
    TValueForm form;
    bool open = false;
    EXPECT_EQ(EnterWith(form, kAverage, 200,
                        [&] {
                            Retype(form, QStringLiteral("250"));
                            QTest::keyClick(form.ValueEdit, Qt::Key_Return);
                            open = form.isVisible();
                        }),
              Typed(250));
    EXPECT_TRUE(open);
}

// Typing is not limited by the range: nothing typed is cut or replaced, and
// only characters of a whole number can be typed.
TEST(ValueForm, TypedNumbersStayAsTyped)
{
    TValueForm form;
    for (auto [typed, shown] : {std::pair{"110", "110"}, std::pair{"400", "400"}, std::pair{"-7", "-7"},
                                std::pair{"1a2", "12"}, std::pair{"99999999999", "99999999999"}}) {
        QString afterTyping;
        const std::optional<QString> result = EnterWith(form, ValueRange{0, 109, 1}, 5, [&] {
            Retype(form, QString::fromUtf8(typed));
            afterTyping = form.ValueEdit->text();
        });
        EXPECT_EQ(afterTyping, QString::fromUtf8(shown)) << typed;
        EXPECT_EQ(result, std::optional<QString>(QString::fromUtf8(shown))) << "no check takes any answer";
    }
}

// The check the caller gives: here, the range and nothing else.
QString RangeCheck(const ValueRange& range, const QString& answer)
{
    bool number = false;
    const int value = answer.toInt(&number);
    if (number && range.contains(value))
        return {};
    return QStringLiteral("「%1」は範囲外です。範囲：%2～%3").arg(answer).arg(range.minimum).arg(range.maximum);
}

struct RefusalCase {
    const char* title;
    ValueRange range;
    const char* refused;
    const char* taken;
};

void PrintTo(const RefusalCase& c, std::ostream* out)
{
    *out << c.title;
}

class ValueFormRefusal : public ::testing::TestWithParam<RefusalCase> {};

// OK with a number the check refuses keeps the dialog open on the typed
// number and shows the reason in a warning; the user then types another.
TEST_P(ValueFormRefusal, StaysOpenWithTheReasonUntilANumberIsTaken)
{
    const RefusalCase& c = GetParam();
    TValueForm form;
    QStringList checked;
    const AnswerCheck check = [&](const QString& answer) {
        checked << answer;
        return RangeCheck(c.range, answer);
    };
    testing::MessageBoxSeen warning;
    bool openAfterRefusal = false;
    QString keptText;
    const std::optional<QString> result = RunModal(
        form,
        [&] {
            Retype(form, QString::fromUtf8(c.refused));
            testing::CloseNextMessageBox(warning);
            QTest::mouseClick(form.OKButton, Qt::LeftButton);
            openAfterRefusal = form.isVisible();
            keptText = form.ValueEdit->text();
            Retype(form, QString::fromUtf8(c.taken));
            QTest::mouseClick(form.OKButton, Qt::LeftButton);
        },
        [&] { return form.EnterValue(QStringLiteral("背番号"), QStringLiteral("やまだ"), c.range, c.range.minimum,
                                     QString(), check); });
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(keptText, QString::fromUtf8(c.refused));
    EXPECT_TRUE(warning.shown);
    EXPECT_EQ(warning.title, QStringLiteral("警告"));
    EXPECT_EQ(warning.icon, QMessageBox::Warning);
    EXPECT_EQ(warning.text, RangeCheck(c.range, QString::fromUtf8(c.refused)));
    EXPECT_EQ(result, std::optional<QString>(QString::fromUtf8(c.taken)));
    EXPECT_EQ(checked, (QStringList{QString::fromUtf8(c.refused), QString::fromUtf8(c.taken)}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValueFormRefusal,
    ::testing::Values(RefusalCase{"OneAboveTheMaximum", {0, 109, 1}, "110", "109"},
                      RefusalCase{"TypeOf1991", {0, 15, 1}, "16", "15"},
                      RefusalCase{"BelowARangeWithStepTwo", {150, 400, 2}, "12", "151"},
                      RefusalCase{"Empty", {0, 62, 1}, "", "0"},
                      RefusalCase{"LoneSign", {-5, 10, 1}, "-", "-5"}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.title); });

struct StartCase {
    const char* title;
    ValueRange range;
    int start;
    int expected;
};

void PrintTo(const StartCase& c, std::ostream* out)
{
    *out << c.title;
}

class ValueFormStart : public ::testing::TestWithParam<StartCase> {};

// The start shows as it is, even outside the range: OK never stores a number
// the user did not see.
TEST_P(ValueFormStart, OkReturnsTheShownNumber)
{
    const StartCase& c = GetParam();
    TValueForm form;
    QString shown;
    const std::optional<QString> result = EnterWith(form, c.range, c.start, [&] { shown = form.ValueEdit->text(); });
    EXPECT_EQ(result, Typed(c.expected));
    EXPECT_EQ(shown, QString::number(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValueFormStart,
    ::testing::Values(StartCase{"InsideTheRange", kAverage, 151, 151},
                      StartCase{"BelowTheRangeAsItIs", {0, 62, 1}, -1, -1},
                      StartCase{"AboveTheRangeAsItIs", {0, 62, 1}, 99, 99},
                      StartCase{"BeyondSixteenBits", {-40000, 40000, 1}, 40000, 40000},
                      StartCase{"NegativeBeyondSixteenBits", {-40000, 40000, 1}, -40000, -40000}),
    [](const ::testing::TestParamInfo<StartCase>& info) { return std::string(info.param.title); });

TEST(ValueForm, FixedWindowKeepsEveryControlInside)
{
    TValueForm form;
    RunModal(
        form,
        [&] {
            EXPECT_EQ(form.minimumSize(), form.maximumSize());
            EXPECT_GE(form.width(), 212);
            EXPECT_EQ(form.height(), 199);
            for (const QWidget* widget : std::initializer_list<const QWidget*>{
                     form.Label, form.Range, form.MemoLabel, form.ValueEdit, form.OKButton, form.Button1}) {
                EXPECT_TRUE(form.rect().contains(widget->geometry())) << widget->objectName().toStdString();
            }
            // The texts and the widest number are shown whole.
            for (const QWidget* widget :
                 std::initializer_list<const QWidget*>{form.Label, form.Range, form.MemoLabel, form.ValueEdit})
                EXPECT_GE(widget->width(), widget->sizeHint().width()) << widget->objectName().toStdString();
            EXPECT_FALSE(form.ValueEdit->geometry().intersects(form.OKButton->geometry()));
            form.reject();
        },
        [&] {
            return form.EnterValue(QStringLiteral("c"), QStringLiteral("l"), ValueRange{-32768, 32767, 1}, -32768,
                                   QStringLiteral("(内野手:1-3　外野手:4-6　捕手:7\r)（他の値でも動作可能)"));
        });
}

} // namespace
} // namespace quindaro2
