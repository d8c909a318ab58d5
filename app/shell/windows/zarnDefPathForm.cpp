#include "shell/windows/zarnDefPathForm.h"

#include "shell/defaultpaths.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

#include <QLineEdit>

namespace zarn {

zarnDefPathForm::zarnDefPathForm() {
    ui.setupUi(this);
    m_lists = new PathLists(ui.ZARNStartPathDrive, ui.ZARNStartPathDir, ui.ZARNStartPathFileList,
                            QStringLiteral("*.exe"), this);
    connect(m_lists, &PathLists::directoryChosen, this,
            [this](const QString &dir) { ui.ZARNStartPath->setText(dir); });
    connect(m_lists, &PathLists::fileChosen, this,
            [this](const QString &path) { ui.ZARNStartPath->setText(path); });
}

// Both path windows start from the crop-model directory.
void zarnDefPathForm::load() {
    m_lists->start(shared().gCeresPath);
    ui.ZARNStartPath->setText(shared().gCeresPath);
}

void zarnDefPathForm::on_ZARNStartPathDrive_activated(int index) {
    m_lists->chooseDrive(index);
    ui.ZARNStartPath->setText(directoryText(ui.ZARNStartPathDrive->itemText(index)));
}

// The chosen directory becomes the system path; the path text (and any chosen
// file) is not used.
void zarnDefPathForm::on_ZARNStartPathOKButton_clicked() {
    if (!guarded([this] { chooseSystemDirectory(m_lists->directory()); }))
        return;
    if (QWidget *more = WindowRegistry::find(QStringLiteral("zarnDefmMoreForm")))
        if (auto *display = more->findChild<QLineEdit *>(QStringLiteral("zarnDefPathDisplay")))
            display->setText(shared().gSystemPath);
    close();
}

void zarnDefPathForm::on_ZARNStartPathCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(zarnDefPathForm)

} // namespace zarn
