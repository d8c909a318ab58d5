#include "shell/windows/ZARNDefWinCeresPathForm.h"

#include "shell/defaultpaths.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

#include <QLineEdit>

namespace zarn {

ZARNDefWinCeresPathForm::ZARNDefWinCeresPathForm() {
    ui.setupUi(this);
    m_lists = new PathLists(ui.ZARNDefWCPathDrive, ui.ZARNDefWCPathDir, ui.ZARNDefWCPathFileList,
                            QStringLiteral("*.exe"), this);
    connect(m_lists, &PathLists::directoryChosen, this,
            [this](const QString &dir) { ui.ZARNDefWCPath->setText(dir); });
    connect(m_lists, &PathLists::fileChosen, this,
            [this](const QString &path) { ui.ZARNDefWCPath->setText(path); });
}

void ZARNDefWinCeresPathForm::load() {
    m_lists->start(shared().gCeresPath);
    ui.ZARNDefWCPath->setText(shared().gCeresPath);
}

void ZARNDefWinCeresPathForm::on_ZARNDefWCPathDrive_activated(int index) {
    m_lists->chooseDrive(index);
    ui.ZARNDefWCPath->setText(m_lists->directory());
}

void ZARNDefWinCeresPathForm::on_ZARNDefWCPathOKButton_clicked() {
    chooseCeresDirectory(m_lists->directory());
    if (QWidget *more = WindowRegistry::find(QStringLiteral("zarnDefmMoreForm")))
        if (auto *display = more->findChild<QLineEdit *>(QStringLiteral("zarnDefCERESPath")))
            display->setText(shared().gCeresPath);
    close();
}

void ZARNDefWinCeresPathForm::on_ZARNDefWCPathCancelButton_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(ZARNDefWinCeresPathForm)

} // namespace zarn
