#include "processing/windows/conversionunitswindow.h"

#include "cropmodel/numbers.h"
#include "processing/modules.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"

#include <QEvent>
#include <QLabel>

namespace zarn {

using processing::UnitColumns;
using processing::UnitKind;

namespace {
const QColor kGrey(192, 192, 192);
const QColor kDarkGrey(64, 64, 64);
const QColor kYellow(255, 255, 0);

void setBackground(QWidget *w, const QColor &colour, const QColor &text) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Button, colour);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::ButtonText, text);
    w->setPalette(p);
}
} // namespace

ConversionUnitsWindow::ConversionUnitsWindow(UnitKind kind) : m_kind(kind) {}

void ConversionUnitsWindow::bindControls() {
    for (int k = 1; k <= processing::kSlotsPerKind; ++k) {
        m_lists[size_t(k - 1)] = findChild<QComboBox *>(QStringLiteral("zarnModPEHPSGen%1").arg(k));
        m_listLabels[size_t(k - 1)] =
            findChild<QWidget *>(QStringLiteral("zarnModPEHPSGen%1Label").arg(k));
        Q_ASSERT(m_lists[size_t(k - 1)] && m_listLabels[size_t(k - 1)]);
    }
    // In the HP-steam window an efficiency field that gains the focus
    // recomputes its output rate as a change of its text does.
    if (m_kind == UnitKind::Combustion)
        for (int n = 1; n <= 3; ++n)
            field(QStringLiteral("zarnModPEHPSGEfficiency%1").arg(n))->installEventFilter(this);
}

QLineEdit *ConversionUnitsWindow::field(const QString &name) const {
    QLineEdit *e = findChild<QLineEdit *>(name);
    Q_ASSERT(e);
    return e;
}

// Every list offers the catalogue's units of the window's type, in table order,
// and shows the last of them.
void ConversionUnitsWindow::load() {
    guarded([this] {
        const QStringList units =
            processing::catalogueUnits(processing::referenceDatabase(), m_kind);
        for (QComboBox *list : m_lists) {
            list->addItems(units);
            list->setCurrentIndex(list->count() - 1);
        }
    });
}

bool ConversionUnitsWindow::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusIn)
        for (int n = 1; n <= 3; ++n)
            if (watched->objectName() == QStringLiteral("zarnModPEHPSGEfficiency%1").arg(n))
                recomputeOutput(n);
    return ZarnWindow::eventFilter(watched, event);
}

std::array<double, 3> ConversionUnitsWindow::efficiencies() const {
    std::array<double, 3> v{};
    for (int n = 1; n <= 3; ++n)
        v[size_t(n - 1)] = cropmodel::LeadingNumber(
            field(QStringLiteral("zarnModPEHPSGEfficiency%1").arg(n))->text());
    return v;
}

std::array<double, 3> ConversionUnitsWindow::outputRates() const {
    std::array<double, 3> v{};
    for (int n = 1; n <= 3; ++n)
        v[size_t(n - 1)] =
            cropmodel::LeadingNumber(field(QStringLiteral("zarnModPEHPSOutRate%1").arg(n))->text());
    return v;
}

void ConversionUnitsWindow::showColumns(const UnitColumns &columns) {
    m_filling = true;
    for (int n = 1; n <= 3; ++n) {
        const processing::UnitColumn &c = columns[size_t(n - 1)];
        const QString i = QString::number(n);
        field(QStringLiteral("zarnModPEHPSGEfficiency") + i)->setText(c.efficiency);
        field(QStringLiteral("zarnModPEHPSEngInput") + i)->setText(c.input);
        field(QStringLiteral("zarnModPEHPSEngInRate") + i)->setText(c.inputRate);
        field(QStringLiteral("zarnModPEHPSEngInUnits") + i)->setText(c.inputUnits);
        field(QStringLiteral("zarnModPEHPSEngInCU") + i)->setText(c.inputCostUnits);
        field(QStringLiteral("zarnModPEHPSEngInCost") + i)->setText(c.inputCost);
        field(QStringLiteral("zarnModPEHPSEngOutput") + i)->setText(c.output);
        field(QStringLiteral("zarnModPEHPSOutRate") + i)->setText(c.outputRate);
        field(QStringLiteral("zarnModPEHPSEngOutUnits") + i)->setText(c.outputUnits);
        field(QStringLiteral("zarnModPEHPSEngOutCU") + i)->setText(c.outputCostUnits);
        field(QStringLiteral("zarnModPEHPSEngOutCost") + i)->setText(c.outputCost);
    }
    m_filling = false;
}

bool ConversionUnitsWindow::requireSlot() {
    if (m_slot >= 1)
        return true;
    showMessage(QStringLiteral("No unit is chosen in this window: choose one in the Unit lists "
                               "first. Nothing was stored."),
                processing::unitWindowTitle(m_kind), MsgIcon::Exclamation);
    return false;
}

// Choosing a unit in list k: that list stands out, the slot is remembered, and
// the catalogue unit is shown and copied into slot k.
void ConversionUnitsWindow::chooseUnit(int k) {
    const QColor normal = QPalette().color(QPalette::Base);
    for (int i = 1; i <= processing::kSlotsPerKind; ++i)
        setBackground(m_lists[size_t(i - 1)], i == k ? normal : kGrey,
                      QPalette().color(QPalette::Text));
    const QString description = m_lists[size_t(k - 1)]->currentText();
    m_slot = k;
    shared().gSelectedUnit = std::int16_t(k);
    for (int n = 1; n <= 3; ++n)
        setBackground(field(QStringLiteral("zarnModPEHPSEngInput%1").arg(n)), kDarkGrey, Qt::white);
    guarded([&] {
        if (const auto columns =
                processing::chooseUnit(processing::referenceDatabase(), m_kind, k, description))
            showColumns(*columns);
    });
}

void ConversionUnitsWindow::recomputeOutput(int n) {
    if (m_filling)
        return;
    const QString i = QString::number(n);
    const double efficiency =
        cropmodel::LeadingNumber(field(QStringLiteral("zarnModPEHPSGEfficiency") + i)->text());
    double rate = 0;
    if (m_kind == UnitKind::Combustion)
        rate = processing::combustionOutputRate(
            cropmodel::LeadingNumber(field(QStringLiteral("zarnModPEHPSEngInRate") + i)->text()),
            efficiency);
    else
        rate = processing::gasifierOutputRate(
            cropmodel::LeadingNumber(field(QStringLiteral("zarnModPEHPSEngInRate1"))->text()),
            efficiency);
    field(QStringLiteral("zarnModPEHPSOutRate") + i)->setText(cropmodel::PlainDecimal(rate));
}

void ConversionUnitsWindow::on_zarnModPEHPSGen1_activated(int) {
    chooseUnit(1);
}
void ConversionUnitsWindow::on_zarnModPEHPSGen2_activated(int) {
    chooseUnit(2);
}
void ConversionUnitsWindow::on_zarnModPEHPSGen3_activated(int) {
    chooseUnit(3);
}
void ConversionUnitsWindow::on_zarnModPEHPSGen4_activated(int) {
    chooseUnit(4);
}
void ConversionUnitsWindow::on_zarnModPEHPSGen5_activated(int) {
    chooseUnit(5);
}
void ConversionUnitsWindow::on_zarnModPEHPSGen6_activated(int) {
    chooseUnit(6);
}
void ConversionUnitsWindow::on_zarnModPEHPSGen7_activated(int) {
    chooseUnit(7);
}
void ConversionUnitsWindow::on_zarnModPEHPSGen8_activated(int) {
    chooseUnit(8);
}
void ConversionUnitsWindow::on_zarnModPEHPSGen9_activated(int) {
    chooseUnit(9);
}
void ConversionUnitsWindow::on_zarnModPEHPSGen10_activated(int) {
    chooseUnit(10);
}

void ConversionUnitsWindow::on_zarnModPEHPSGEfficiency1_textChanged(const QString &) {
    recomputeOutput(1);
}
void ConversionUnitsWindow::on_zarnModPEHPSGEfficiency2_textChanged(const QString &) {
    recomputeOutput(2);
}
void ConversionUnitsWindow::on_zarnModPEHPSGEfficiency3_textChanged(const QString &) {
    recomputeOutput(3);
}

void ConversionUnitsWindow::on_zarnMPEHPSGUQuantity_textChanged(const QString &text) {
    const int shown = processing::shownUnitLists(cropmodel::LeadingNumber(text));
    for (int k = 0; k < processing::kSlotsPerKind; ++k) {
        m_lists[size_t(k)]->setVisible(k < shown);
        m_listLabels[size_t(k)]->setVisible(k < shown);
    }
}

// "Current " / "Select this Gasifier Configuration": the shown efficiencies
// and output rates go into the chosen slot; its first input is marked.
void ConversionUnitsWindow::on_zarnModPEHPSEngSelect1Button_clicked() {
    if (!requireSlot())
        return;
    if (guarded([this] {
            processing::storeColumns(processing::referenceDatabase(), m_kind, m_slot,
                                     efficiencies(), outputRates());
        }))
        setBackground(field(QStringLiteral("zarnModPEHPSEngInput1")), kYellow, Qt::black);
}

void ConversionUnitsWindow::on_zarnModPEHPSSaveButton_clicked() {
    save();
}

void ConversionUnitsWindow::on_zarnModPEHPSEngExitButton_clicked() {
    close();
}

} // namespace zarn
