#include "shell/windows/zarnMainMenuContactsForm.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

namespace {
struct Contact {
    const char *name;
    const char *email;
    const char *phone;
    const char *fax;
    const char *address;
};

const Contact kContacts[] = {
    {"Dr. Helena Marsk", "h.marsk@tarnwick.example", "+44 1632 960 411", "+44 1632 960 499",
     "Tarnwick Bioenergy Unit\nCrop Systems Building\n12 Mill Lane\nTarnwick TW4 7QX"},
    {"Dr. Joost Verhagen", "j.verhagen@tarnwick.example", "+44 1632 960 418", "+44 1632 960 499",
     "Tarnwick Bioenergy Unit\nAgronomy Laboratory\n12 Mill Lane\nTarnwick TW4 7QX"},
    {"Anil Ruparel", "a.ruparel@tarnwick.example", "+44 1632 960 425", "+44 1632 960 498",
     "Tarnwick Bioenergy Unit\nModelling Office\n12 Mill Lane\nTarnwick TW4 7QX"},
};
} // namespace

zarnMainMenuContactsForm::zarnMainMenuContactsForm() {
    ui.setupUi(this);
    ui.zarnMMContactCoordButton->setText(QString::fromUtf8(kContacts[0].name));
    ui.zarnMMContactResearchButton->setText(QString::fromUtf8(kContacts[1].name));
    ui.zarnMMContactProgButton->setText(QString::fromUtf8(kContacts[2].name));
}

void zarnMainMenuContactsForm::showContact(int person) {
    const Contact &c = kContacts[person];
    ui.zarnMMContactEMail->setText(QString::fromUtf8(c.email));
    ui.zarnMMContactPhone->setText(QString::fromUtf8(c.phone));
    ui.zarnMMContactFax->setText(QString::fromUtf8(c.fax));
    ui.zarnMMContactAddress->setText(QString::fromUtf8(c.address));
}

ZARN_REGISTER_WINDOW(zarnMainMenuContactsForm)

} // namespace zarn
