// The irrigation and fertiliser schedule windows: dates, scroll values,
// events, the end of a schedule and "Cancel".
#include "editors_fixture.h"

#include "cropmodel/printing.h"
#include "cropmodel/textfiles.h"

namespace zarn::test {
namespace {

const char *const kIrr = "CERESInCMIrrigManualForm";
const char *const kFert = "CERESInCMNitrogenAutoApplic";

class Schedules : public EditorFixture {
protected:
    QStringList lines(const QString &name) const { return cropmodel::readLines(ceres(), name); }
    static QString prefix(const char *window) {
        return QString::fromLatin1(window) == kIrr ? "CERESInCMIrrigManual"
                                                   : "CERESInCMNitrogenAutoApplic";
    }
    static void date(const char *window, const QString &month, const QString &day) {
        chooseEntry(window, prefix(window) + "MonthCombo", month);
        chooseEntry(window, prefix(window) + "DayCombo", day);
    }
    static QString julian(const char *window) {
        return text(window, prefix(window) + "JulianPanel");
    }
    static int dayCount(const char *window) {
        return control<QComboBox>(window, prefix(window) + "DayCombo")->count();
    }
};

TEST_F(Schedules, IrrigationWindowOpensAtTheFirstOfJanuary) {
    open(kIrr);
    EXPECT_EQ(text(kIrr, "CERESInCMIrrigManualMonthCombo"), "January ");
    EXPECT_EQ(text(kIrr, "CERESInCMIrrigManualDayCombo"), "1");
    EXPECT_EQ(dayCount(kIrr), 31);
    EXPECT_EQ(julian(kIrr), "1");
    EXPECT_EQ(text(kIrr, "CERESInCMIrrigManualQuantityEdit"), "1");
    EXPECT_EQ(text(kIrr, "CERESInCMIrrigManualHeaderPanel"), "0");
    EXPECT_EQ(text(kIrr, "CERESInCMIrrigManualRecordsPanel"), "0");
    EXPECT_EQ(text(kIrr, "CERESInCMIrrigManualYearPanel"), "1996");
}

TEST_F(Schedules, Day31ThenFebruaryFallsBackToTheFirst) {
    for (const char *window : {kIrr, kFert}) {
        SCOPED_TRACE(window);
        m_boxes.clear();
        open(window);
        date(window, "January ", "31");
        EXPECT_EQ(julian(window), "31");
        chooseEntry(window, prefix(window) + "MonthCombo", "February ");
        ASSERT_EQ(m_boxes.shown().size(), 1u);
        EXPECT_EQ(m_boxes.shown()[0].title, "Invalid Date");
        EXPECT_EQ(m_boxes.shown()[0].text, window == kIrr
                                               ? "You Must Choose a Valid Date (Day of Month)"
                                               : "Must set a valid day of the Month");
        EXPECT_EQ(text(window, prefix(window) + "DayCombo"), "01");
        EXPECT_EQ(julian(window), "32");
    }
    // Choosing 31 while February is shown does the same.
    m_boxes.clear();
    chooseEntry(kFert, "CERESInCMNitrogenAutoApplicDayCombo", "31");
    EXPECT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(julian(kFert), "32");
}

TEST_F(Schedules, FebruaryDaysAndDayOfYearFollowTheYear) {
    const struct {
        int year;
        int february;
        const char *fifthOfMarch;
        bool twentyNinthExists;
    } years[] = {{1996, 29, "65", true}, {1997, 28, "64", false}, {1900, 29, "64", false}};
    for (const auto &y : years) {
        SCOPED_TRACE(y.year);
        WindowRegistry::close(kIrr);
        settle();
        m_boxes.clear();
        shared().gCurrentYear = std::int16_t(y.year);
        open(kIrr);
        chooseEntry(kIrr, "CERESInCMIrrigManualMonthCombo", "February ");
        EXPECT_EQ(dayCount(kIrr), y.february);
        if (y.february == 29) {
            chooseEntry(kIrr, "CERESInCMIrrigManualDayCombo", "29");
            EXPECT_EQ(julian(kIrr), y.twentyNinthExists ? "60" : "32");
            EXPECT_EQ(m_boxes.shown().size(), y.twentyNinthExists ? 0u : 1u);
        }
        date(kIrr, "March ", "5");
        EXPECT_EQ(julian(kIrr), y.fifthOfMarch);
    }
}

TEST_F(Schedules, IrrigationEventsHeaderAndEnd) {
    open(kIrr);
    date(kIrr, "March ", "5");
    control<QScrollBar>(kIrr, "CERESInCMIrrigManualQuantityScroll")->setValue(25);
    EXPECT_EQ(text(kIrr, "CERESInCMIrrigManualQuantityEdit"), "25");
    click(kIrr, "CERESInCMIrrigManualCreateButton");
    EXPECT_EQ(text(kIrr, "CERESInCMIrrigManualHeaderPanel"), "1");
    EXPECT_EQ(text(kIrr, "CERESInCMIrrigManualRecordsPanel"), "1");
    EXPECT_EQ(julian(kIrr), "1");
    EXPECT_EQ(text(kIrr, "CERESInCMIrrigManualQuantityEdit"), "1");
    EXPECT_EQ(control<QScrollBar>(kIrr, "CERESInCMIrrigManualQuantityScroll")->value(), 1);
    // The largest amount the scroll bar gives still fits its column.
    auto *bar = control<QScrollBar>(kIrr, "CERESInCMIrrigManualQuantityScroll");
    bar->setValue(bar->maximum());
    click(kIrr, "CERESInCMIrrigManualCreateButton");
    click(kIrr, "CERESInCMIrrigManualOKButton");
    EXPECT_FALSE(isOpen(kIrr));
    EXPECT_EQ(lines("irrigate.sg6"),
              QStringList({" 1 HCHF9601", " 065   25.0", " 001 9999.0", "  -1   -1"}));
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(Schedules, OKWithoutAnEventGivesHeaderAndEndOnly) {
    open(kFert);
    click(kFert, "CERESInCMNitrogenAutoApplicOKButton");
    EXPECT_EQ(lines("fert.sg7"), QStringList({" 1 HCHF9601", "  -1  -1.0  -1.0 -1"}));
    open(kIrr);
    click(kIrr, "CERESInCMIrrigManualOKButton");
    EXPECT_EQ(lines("irrigate.sg6"), QStringList({" 1 HCHF9601", "  -1   -1"}));
}

TEST_F(Schedules, CancelAfterEventsLeavesTheFileAsItWas) {
    for (const char *window : {kIrr, kFert}) {
        SCOPED_TRACE(window);
        const QString name = window == kIrr ? "irrigate.sg6" : "fert.sg7";
        const QString old = ceres() + name;
        putBytes(old, "previous schedule\r\n");
        open(window);
        if (window == kFert)
            setText(kFert, "CERESInCMNitrogenAutoApplicDepthEdit", "5");
        click(window, prefix(window) + "CreateButton");
        EXPECT_NE(bytesOf(old), "previous schedule\r\n");
        click(window, prefix(window) + "CancelButton");
        EXPECT_FALSE(isOpen(window));
        EXPECT_EQ(bytesOf(old), "previous schedule\r\n");
    }
    // A schedule that did not exist is gone again.
    cropmodel::removeFile(ceres(), "fert.sg7");
    open(kFert);
    setText(kFert, "CERESInCMNitrogenAutoApplicDepthEdit", "5");
    click(kFert, "CERESInCMNitrogenAutoApplicCreateButton");
    WindowRegistry::close(kFert);
    EXPECT_FALSE(cropmodel::fileExists(ceres(), "fert.sg7"));
}

TEST_F(Schedules, FertiliserEventFromTheScrollBars) {
    open(kFert);
    date(kFert, "March ", "5");
    control<QScrollBar>(kFert, "CERESInCMNitrogenAutoApplicAmountScroll")->setValue(12);
    control<QScrollBar>(kFert, "CERESInCMNitrogenAutoApplicAmountTenthsScroll")->setValue(3);
    control<QScrollBar>(kFert, "CERESInCMNitrogenAutoApplicDepthScroll")->setValue(5);
    EXPECT_EQ(text(kFert, "CERESInCMNitrogenAutoApplicAmountEdit"), "12.3");
    EXPECT_EQ(text(kFert, "CERESInCMNitrogenAutoApplicDepthEdit"), "5");
    setText(kFert, "CERESInCMNitrogenAutoApplicTypeEdit", "3");
    click(kFert, "CERESInCMNitrogenAutoApplicCreateButton");
    EXPECT_EQ(text(kFert, "CERESInCMNitrogenAutoApplicRecordsPanel"), "1");
    EXPECT_EQ(text(kFert, "CERESInCMNitrogenAutoApplicAmountEdit"), "0");
    EXPECT_EQ(control<QScrollBar>(kFert, "CERESInCMNitrogenAutoApplicAmountTenthsScroll")->value(),
              0);
    click(kFert, "CERESInCMNitrogenAutoApplicOKButton");
    const QStringList written = lines("fert.sg7");
    ASSERT_EQ(written.size(), 3);
    EXPECT_EQ(written[1], " 065  12.3   5.0  3");
}

TEST_F(Schedules, DepthBelowATenthIsRefused) {
    open(kFert);
    setText(kFert, "CERESInCMNitrogenAutoApplicDepthEdit", "2");
    click(kFert, "CERESInCMNitrogenAutoApplicCreateButton");
    EXPECT_TRUE(m_boxes.shown().empty());
    const QStringList afterFirst = lines("fert.sg7");
    ASSERT_EQ(afterFirst.size(), 2);

    // Right after a record the depth is 0 again.
    click(kFert, "CERESInCMNitrogenAutoApplicCreateButton");
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.shown()[0].text, "Planting depth must be greater than zero");
    EXPECT_EQ(m_boxes.shown()[0].title, "Planting Depth");
    EXPECT_EQ(m_boxes.shown()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(text(kFert, "CERESInCMNitrogenAutoApplicDepthEdit"), "0.1");
    EXPECT_EQ(lines("fert.sg7"), afterFirst);
    EXPECT_EQ(text(kFert, "CERESInCMNitrogenAutoApplicRecordsPanel"), "1");

    // The 0.1 the message puts there is accepted.
    click(kFert, "CERESInCMNitrogenAutoApplicCreateButton");
    EXPECT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(lines("fert.sg7").size(), 3);
    EXPECT_EQ(lines("fert.sg7")[2].mid(11, 6), "   .1 "); // depth "###.0"
}

} // namespace
} // namespace zarn::test
