#pragma once
// The crop-management window: title, dates, sowing, soil, variety, irrigation
// and fertiliser choices of the crop model, written to CROPMAN.sg8 on "OK".
// Its sub-windows put their choices back into it while it is open.
#include "cropmodel/inputfiles.h"
#include "shell/windows/zarnwindow.h"
#include "ui_CERESInCropManageForm.h"

namespace zarn {

class CERESInCropManageForm : public ZarnWindow {
    Q_OBJECT
public:
    CERESInCropManageForm();
    void load() override;

    // Density, row spacing and depth as the sowing window edits them.
    double density() const { return m_values.plantDensity; }
    double spacing() const { return m_values.rowSpacing; }
    double depth() const { return m_values.plantingDepth; }
    void setSowing(double density, double spacing, double depth);
    void setSoil(const QString &number, const QString &name);
    void setVariety(const QString &number, const QString &name);

    Ui::CERESInCropManageForm ui;

private slots:
    void on_CERESInCMTitleEdit_textEdited(const QString &text);
    void on_CERESInCMYearEdit_textChanged(const QString &text);
    void on_CERESInCMSowingChangeButton_clicked();
    void on_CERESInCMSoilChangeButton_clicked();
    void on_CERESInCMVarietyChangeButton_clicked();
    void on_CERESInCMIrrigationChangeButton_clicked();
    void on_CERESInCMFertiliseChangeButton_clicked();
    void on_CERESInCMVerifyMetButton_clicked();
    void on_CERESInCMSaveDefaultsButton_clicked();
    void on_CERESInCMOKButton_clicked();
    void on_CERESInCMCancelButton_clicked();

private:
    cropmodel::CropManagementValues m_values; // as read, with the sowing window's changes
};

} // namespace zarn
