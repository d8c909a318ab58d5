#include "shell/windows/ZARNMainMenu.h"

#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/startup.h"
#include "shell/windows/program.h"
#include "shell/windows/routes.h"
#include "shell/windows/windowregistry.h"

#include <QDate>
#include <QPainter>
#include <QPainterPath>

namespace zarn {

namespace {

// Buttons that open another window.
const Route kRoutes[] = {
    {"zarnMainMenuHelpButton", "zarnMainMenuHelpForm"},
    {"zarnMainMenuContactButton", "zarnMainMenuContactsForm"},
};

const char *const kCredits = "Co-ordinator:  Dr. Helena Marsk\n"
                             "    Tel. +44 1632 960 411   h.marsk@tarnwick.example\n"
                             "Researcher:  Dr. Joost Verhagen\n"
                             "    Tel. +44 1632 960 418   j.verhagen@tarnwick.example\n"
                             "Programmer:  Anil Ruparel\n"
                             "    Tel. +44 1632 960 425   a.ruparel@tarnwick.example";

// The picture beside the title: a sweet-sorghum stalk with its panicle.
QPixmap sorghumPicture(QSize size) {
    QPixmap pm(size);
    pm.fill(QColor(244, 240, 220));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    p.setPen(QPen(QColor(63, 122, 42), 5));
    p.drawLine(QPointF(w / 2, h - 5), QPointF(w / 2, h * 0.25));
    p.setPen(QPen(QColor(79, 154, 53), 4));
    QPainterPath leaves;
    leaves.moveTo(w / 2, h * 0.75);
    leaves.quadTo(w * 0.25, h * 0.62, w * 0.08, h * 0.69);
    leaves.moveTo(w / 2, h * 0.62);
    leaves.quadTo(w * 0.77, h * 0.51, w * 0.92, h * 0.57);
    leaves.moveTo(w / 2, h * 0.49);
    leaves.quadTo(w * 0.28, h * 0.37, w * 0.16, h * 0.41);
    p.drawPath(leaves);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(155, 61, 31));
    p.drawEllipse(QPointF(w / 2, h * 0.17), w * 0.11, h * 0.15);
    return pm;
}

} // namespace

ZARNMainMenu::ZARNMainMenu() {
    ui.setupUi(this);
    connectRoutes(this, kRoutes);
    ui.zarnMainMenuCreditText->setPlainText(QString::fromUtf8(kCredits));
    ui.Image1->setPixmap(sorghumPicture(ui.Image1->size()));
}

void ZARNMainMenu::load() {
    const bool ok =
        guarded([] { loadStartupDefaults(programDirectory(), QDate::currentDate().year()); });
    if (!ok) {
        // Without its defaults the program cannot work: the message above said
        // what is missing; end cleanly.
        close();
        endProgram(1);
        return;
    }
    ui.ZARNMMWizardButton->setText(wizardButtonCaption(shared().gWizardOn));
    // A crop-model file that cannot be rewritten is reported; the program can
    // still be used.
    guarded([] { writeStartupInitialConditions(); });
}

void ZARNMainMenu::on_ZARNMMWizardButton_clicked() {
    guarded([this] { ui.ZARNMMWizardButton->setText(wizardButtonCaption(toggleWizard())); });
}

void ZARNMainMenu::on_zarnMainMenuOKButton_clicked() {
    if (shared().gWizardOn == QLatin1String("YES")) {
        // The setup window closes the main menu itself, after its question.
        WindowRegistry::show(QStringLiteral("ZarnSetupSystemForm"));
    } else {
        WindowRegistry::show(QStringLiteral("ZARNMainProcessingMenuForm"));
        close();
    }
}

void ZARNMainMenu::on_zarnMainMenuExitButton_clicked() {
    endProgram(0);
}

ZARN_REGISTER_WINDOW(ZARNMainMenu)

} // namespace zarn
