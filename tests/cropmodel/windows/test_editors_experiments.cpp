// The experiment directory and amendment windows: creating, changing and
// deleting experiments of SGEXP.DIR.
#include "editors_fixture.h"

#include "cropmodel/printing.h"

namespace zarn::test {
namespace {

const char *const kList = "CeresInSGEXPForm";
const char *const kDisp = "CeresInSGEXPDispForm";

class ExperimentWindows : public EditorFixture {
protected:
    QString dir() const { return ceres() + "SGEXP.DIR"; }
    QString message() const { return text(kDisp, "CeresInSGEXPDispMessagePanel"); }

    void fillNew(const QString &year, const QString &number, const QString &title) {
        auto *inst = control<QComboBox>(kDisp, "CeresInSGEXPDispInstituteCombo");
        auto *site = control<QComboBox>(kDisp, "CeresInSGEXPDispSiteCombo");
        ASSERT_TRUE(inst && site);
        inst->setCurrentText("Highfield Crop Research Institute");
        site->setCurrentText("Highfield Experimental Farm");
        setText(kDisp, "CeresInSGEXPDispYearEdit", year);
        setText(kDisp, "CeresInSGEXPDispNumberEdit", number);
        setText(kDisp, "CeresInSGEXPDispTitleEdit", title);
        setText(kDisp, "CeresInSGEXPDispFile1Edit", "HCHF0104.W96");
        setText(kDisp, "CeresInSGEXPDispFile5Edit", "HCHF9601.SG5");
        setText(kDisp, "CeresInSGEXPDispOut1Edit", "OUT1.SG");
    }
};

TEST_F(ExperimentWindows, CreateWithAnEmptyListSavesAndSelectsTheNewExperiment) {
    putBytes(dir(), "");
    open(kList);
    EXPECT_TRUE(listLines(kList, "CeresInSGEXPList").isEmpty());

    click(kList, "CeresInSGEXPCreateButton");
    ASSERT_TRUE(isOpen(kDisp));
    EXPECT_EQ(message(), "Please enter the information below then press the SAVE button");
    EXPECT_EQ(text(kDisp, "CeresInSGEXPDispYearEdit"), "");
    EXPECT_EQ(text(kDisp, "CeresInSGEXPDispTitleEdit"), "");
    EXPECT_EQ(text(kDisp, "CeresInSGEXPDispFile1Edit"), "");
    EXPECT_EQ(shared().gExperimentRequest, "Create");

    fillNew("96", "1", "Spring sowing");
    click(kDisp, "CeresInSGEXPDispSaveButton");

    EXPECT_FALSE(isOpen(kDisp));
    EXPECT_TRUE(m_boxes.shown().empty());
    const QByteArray bytes = bytesOf(dir());
    EXPECT_TRUE(bytes.startsWith("hchf9601 Spring sowing")) << bytes.toStdString();
    EXPECT_EQ(bytes.count("\r\n"), 3);
    const QStringList lines = listLines(kList, "CeresInSGEXPList");
    ASSERT_EQ(lines.size(), 1);
    auto *list = control<QListWidget>(kList, "CeresInSGEXPList");
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(text(kList, "CeresInSGEXPFile1Panel"), "HCHF0104.W96");
    EXPECT_EQ(text(kList, "CeresInSGEXPFile5Panel"), "HCHF9601.SG5");
}

TEST_F(ExperimentWindows, NewExperimentIsAppendedAfterTheOthers) {
    const QByteArray before = bytesOf(dir());
    click(kList, "CeresInSGEXPCreateButton");
    fillNew("97", "02", "Second trial");
    click(kDisp, "CeresInSGEXPDispSaveButton");
    const QByteArray after = bytesOf(dir());
    EXPECT_TRUE(after.startsWith(before));
    EXPECT_TRUE(after.mid(before.size()).startsWith("hchf9702 Second trial"));
    auto *list = control<QListWidget>(kList, "CeresInSGEXPList");
    EXPECT_EQ(list->currentRow(), list->count() - 1);
    EXPECT_TRUE(list->currentItem()->text().startsWith("hchf9702"));
}

TEST_F(ExperimentWindows, ADuplicateCodeIsRefused) {
    click(kList, "CeresInSGEXPCreateButton");
    fillNew("96", "01", "First");
    click(kDisp, "CeresInSGEXPDispSaveButton");
    const QByteArray once = bytesOf(dir());

    click(kList, "CeresInSGEXPCreateButton");
    fillNew("96", "01", "Same code again");
    click(kDisp, "CeresInSGEXPDispSaveButton");
    EXPECT_EQ(bytesOf(dir()), once);
    EXPECT_TRUE(isOpen(kDisp));
    EXPECT_TRUE(m_boxes.sawTextContaining("hchf9601 is already in SGEXP.DIR"));
}

TEST_F(ExperimentWindows, ChangeFillsTheFieldsAndReplacesTheExperiment) {
    open(kList);
    choose(kList, "CeresInSGEXPList", 1); // prps9601
    EXPECT_EQ(text(kList, "CeresInSGEXPFile1Panel"), "PRPS0604.W96");
    click(kList, "CeresInSGEXPChangeButton");
    ASSERT_TRUE(isOpen(kDisp));
    EXPECT_EQ(message(), "Please change the information below then press the SAVE button");
    EXPECT_EQ(text(kDisp, "CeresInSGEXPDispYearEdit"), "96");
    EXPECT_EQ(text(kDisp, "CeresInSGEXPDispNumberEdit"), "01");
    EXPECT_EQ(text(kDisp, "CeresInSGEXPDispInstituteCombo"), "Plateau Research Station");
    EXPECT_EQ(text(kDisp, "CeresInSGEXPDispSiteCombo"), "Plateau Station");
    EXPECT_EQ(text(kDisp, "CeresInSGEXPDispFile1Edit"), "PRPS0604.W96");
    EXPECT_EQ(shared().gExperimentRequest, "Changeprps9601");

    setText(kDisp, "CeresInSGEXPDispTitleEdit", "Plateau, changed");
    click(kDisp, "CeresInSGEXPDispSaveButton");
    EXPECT_FALSE(isOpen(kDisp));
    const QStringList lines = QString::fromLatin1(bytesOf(dir())).split("\r\n");
    EXPECT_TRUE(lines[3].startsWith("prps9601 Plateau, changed")) << lines[3].toStdString();
    EXPECT_EQ(lines.size(), 13); // four experiments of three lines, and the end
    EXPECT_EQ(control<QListWidget>(kList, "CeresInSGEXPList")->currentRow(), 1);
}

TEST_F(ExperimentWindows, ChangeWithAnEditedCodeWritesNothingAndSaysSo) {
    const QByteArray before = bytesOf(dir());
    open(kList);
    choose(kList, "CeresInSGEXPList", 0);
    click(kList, "CeresInSGEXPChangeButton");
    setText(kDisp, "CeresInSGEXPDispNumberEdit", "09");
    click(kDisp, "CeresInSGEXPDispSaveButton");
    EXPECT_EQ(bytesOf(dir()), before);
    EXPECT_TRUE(isOpen(kDisp));
    EXPECT_TRUE(m_boxes.sawTextContaining("sbrb9609 was not found in SGEXP.DIR"));
    EXPECT_NE(message(), "Changing the records in the file SGEXP.DIR");
}

TEST_F(ExperimentWindows, TooLongFieldsAreRedAndNothingIsWritten) {
    const QByteArray before = bytesOf(dir());
    click(kList, "CeresInSGEXPCreateButton");
    fillNew("96", "05", QString(41, 'T'));
    setText(kDisp, "CeresInSGEXPDispOut2Edit", "OUT2.SGX"); // 8 of 7
    click(kDisp, "CeresInSGEXPDispSaveButton");
    EXPECT_EQ(bytesOf(dir()), before);
    EXPECT_TRUE(isOpen(kDisp));
    EXPECT_EQ(message(), "One or more fields are in error. Please correct.");
    EXPECT_EQ(shared().gExperimentFieldError, 1);
    auto red = [](const char *name) {
        return control<QLineEdit>(kDisp, name)->styleSheet().contains("#ff0000");
    };
    EXPECT_TRUE(red("CeresInSGEXPDispTitleEdit"));
    EXPECT_TRUE(red("CeresInSGEXPDispOut2Edit"));
    EXPECT_FALSE(red("CeresInSGEXPDispYearEdit"));
    EXPECT_FALSE(red("CeresInSGEXPDispFile1Edit"));

    // Corrected, the same window saves and the flags go.
    setText(kDisp, "CeresInSGEXPDispTitleEdit", QString(40, 'T'));
    setText(kDisp, "CeresInSGEXPDispOut2Edit", "OUT2.SG");
    click(kDisp, "CeresInSGEXPDispSaveButton");
    EXPECT_FALSE(isOpen(kDisp));
    EXPECT_TRUE(bytesOf(dir()).contains("hchf9605 " + QByteArray(40, 'T')));
}

TEST_F(ExperimentWindows, DeleteRemovesTheChosenExperiment) {
    open(kList);
    choose(kList, "CeresInSGEXPList", 1);
    click(kList, "CeresInSGEXPDeleteButton");
    ASSERT_TRUE(isOpen(kDisp));
    EXPECT_EQ(text(kDisp, "CeresInSGEXPDispTitleEdit").trimmed(),
              "Plateau rainy-season sowing, rainfed");
    click(kDisp, "CeresInSGEXPDispDeleteButton");
    EXPECT_FALSE(isOpen(kDisp));
    EXPECT_FALSE(bytesOf(dir()).contains("prps9601"));
    const QStringList lines = listLines(kList, "CeresInSGEXPList");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[1].startsWith("dadn9601"));
    EXPECT_TRUE(lines[2].startsWith("hchf9601"));
}

TEST_F(ExperimentWindows, ChangeOrDeleteWithoutAChosenLineOpensNothing) {
    open(kList);
    for (const char *button : {"CeresInSGEXPChangeButton", "CeresInSGEXPDeleteButton"}) {
        m_boxes.clear();
        click(kList, button);
        EXPECT_FALSE(isOpen(kDisp));
        EXPECT_EQ(m_boxes.shown().size(), 1u);
    }
}

TEST_F(ExperimentWindows, ModifyWindowOpensItsWindows) {
    open("CERESModifyForm");
    click("CERESModifyForm", "CERESModifySGEXPButton");
    EXPECT_TRUE(isOpen(kList));
    click("CERESModifyForm", "CERESModifyOKButton");
    EXPECT_FALSE(isOpen("CERESModifyForm"));
}

} // namespace
} // namespace zarn::test
