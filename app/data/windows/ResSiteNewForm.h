#pragma once
// "Create a New Site" and "Edit Site Information": one layout, the entry of a
// site's fields and its default soil (a header of the soil catalogue). "OK"
// stores the site and goes back to the site list, which selects it.
#include "data/sites.h"
#include "shell/windows/zarnwindow.h"
#include "ui_ResSiteNewForm.h"

namespace zarn {

class SiteEntryForm : public ZarnWindow {
    Q_OBJECT
public:
    Ui::ResSiteNewForm ui;

protected:
    // name: the window's name; title and frame: its captions.
    SiteEntryForm(const char *name, const QString &title, const QString &frame);
    // Fills the soil list from the catalogue; the last header stays chosen.
    void fillSoilList();
    db::SiteEntry entry() const;
    void showSite(const db::SiteEntry &site);
    // Stores the entry (the window's own way), hands the name to the site list
    // and goes back to it.
    void storeAndReturn();
    virtual void store(const db::Database &db, const db::SiteEntry &site) = 0;
};

class ResSiteNewForm : public SiteEntryForm {
    Q_OBJECT
public:
    ResSiteNewForm();
    void load() override;

private slots:
    void on_ResSiteNewName_textEdited(const QString &text);
    void on_ResSiteOKButton_clicked() { storeAndReturn(); }
    void on_ResSiteCancelButton_clicked();

private:
    void store(const db::Database &db, const db::SiteEntry &site) override;
};

// Renaming a site is allowed: the record is the one the window opened with.
class ResSiteEditForm : public SiteEntryForm {
    Q_OBJECT
public:
    ResSiteEditForm();
    void load() override;

private slots:
    void on_ResSiteOKButton_clicked() { storeAndReturn(); }
    void on_ResSiteCancelButton_clicked() { close(); }

private:
    void store(const db::Database &db, const db::SiteEntry &site) override;

    QString m_openedWith; // the name of the record shown
};

} // namespace zarn
