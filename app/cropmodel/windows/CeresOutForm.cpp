#include "cropmodel/windows/CeresOutForm.h"

#include "cropmodel/windows/modeloutputview.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

namespace {

// OUT5.SG has no yield to scan: its window lists the file only.
constexpr int kListOnlyFile = 5;

} // namespace

CeresOutForm::CeresOutForm(int fileNumber) : m_fileNumber(fileNumber) {
    ui.setupUi(this);
    setWindowTitle(QStringLiteral("Analyse Ceres Output File OUT%1.SG").arg(fileNumber));
    // Every control takes its window's design name: CeresOut<N><part>.
    const QString stem = QStringLiteral("CeresOut%1").arg(fileNumber);
    for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (child->objectName().startsWith(QLatin1String("CeresOut")))
            child->setObjectName(stem + child->objectName().mid(8));

    if (fileNumber == kListOnlyFile) {
        for (QWidget *w : {static_cast<QWidget *>(ui.CeresOutYieldLabel),
                           static_cast<QWidget *>(ui.CeresOutYield),
                           static_cast<QWidget *>(ui.CeresOutMaturityLabel),
                           static_cast<QWidget *>(ui.CeresOutMaturity),
                           static_cast<QWidget *>(ui.CeresOutSowingLabel),
                           static_cast<QWidget *>(ui.CeresOutSowing),
                           static_cast<QWidget *>(ui.CeresOutOKButton)})
            delete w;
        ui.CeresOutYield = ui.CeresOutMaturity = ui.CeresOutSowing = nullptr;
        ui.CeresOutYieldLabel = ui.CeresOutMaturityLabel = ui.CeresOutSowingLabel = nullptr;
        ui.CeresOutOKButton = nullptr;
        ui.CeresOutList->setGeometry(10, 10, 740, 450);
        ui.CeresOutCancelButton->setObjectName(stem + QStringLiteral("ExitButton"));
        ui.CeresOutCancelButton->setText(QStringLiteral("Exit"));
    } else {
        connect(ui.CeresOutOKButton, &QPushButton::clicked, this, &QWidget::close);
    }
    connect(ui.CeresOutCancelButton, &QPushButton::clicked, this, &QWidget::close);
}

void CeresOutForm::load() {
    showModelOutput(QStringLiteral("OUT%1.SG").arg(m_fileNumber), ui.CeresOutList, ui.CeresOutYield,
                    ui.CeresOutMaturity, ui.CeresOutSowing);
}

namespace {

bool registerOutputWindows() {
    for (int n = 1; n <= 5; ++n)
        WindowRegistry::registerWindow(QStringLiteral("CeresOut%1Form").arg(n),
                                       [n] { return new CeresOutForm(n); });
    return true;
}

const bool g_outputWindowsRegistered = registerOutputWindows();

} // namespace

} // namespace zarn
