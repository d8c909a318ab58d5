#pragma once
// "Location": the site list. Choosing a site shows its details and the soil
// catalogue's header of its default soil. "OK" makes the chosen site the
// current one (gSite, gShortSite, gSoil); coming from the setup window it also
// shows it in that window's location panel. "Add New Site" and "Edit" hand
// over to the new-site and edit-site windows, which come back here with the
// site they stored selected (gSiteFormMode, gSiteEdited).
#include "data/sites.h"
#include "shell/windows/zarnwindow.h"
#include "ui_ResSiteForm.h"

#include <optional>

namespace zarn {

class ResSiteForm : public ZarnWindow {
    Q_OBJECT
public:
    ResSiteForm();
    void load() override;

    Ui::ResSiteForm ui;

private slots:
    void on_ResSiteList_currentTextChanged(const QString &text);
    void on_ResSiteAddNewButton_clicked();
    void on_ResSiteEditButton_clicked();
    void on_ResSiteDeleteButton_clicked();
    void on_ResSiteOKButton_clicked();
    void on_ResSiteCancelButton_clicked();

private:
    void fillList(const QString &select);
    void showDetails(const QString &site);

    std::optional<db::SiteEntry> m_shown; // the site whose details are shown
    QStringList m_soilHeaders;
};

} // namespace zarn
