#include "data/windows/boundform.h"

#include "shell/messages.h"
#include "shell/sharedstate.h"

#include <QCloseEvent>
#include <QDataWidgetMapper>
#include <QMetaProperty>
#include <algorithm>

namespace zarn {

BoundForm::BoundForm() : m_mapper(new QDataWidgetMapper(this)) {
    m_mapper->setModel(&m_model);
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
}

void BoundForm::bind(const QString &table, RecordBar *bar,
                     std::initializer_list<FieldBinding> fields) {
    m_table = table;
    m_bar = bar;
    m_bindings.assign(fields.begin(), fields.end());
    if (m_bar) {
        connect(m_bar, &RecordBar::firstRequested, this, [this] { move(Move::First); });
        connect(m_bar, &RecordBar::previousRequested, this, [this] { move(Move::Previous); });
        connect(m_bar, &RecordBar::nextRequested, this, [this] { move(Move::Next); });
        connect(m_bar, &RecordBar::lastRequested, this, [this] { move(Move::Last); });
    }
}

void BoundForm::load() {
    const bool opened = guarded([this] {
        m_model.open(shared().gDatabasePath, m_table);
        for (const FieldBinding &b : m_bindings) {
            const QString control = QString::fromLatin1(b.control);
            const QString field = QString::fromLatin1(b.field);
            auto *w = findChild<QWidget *>(control);
            if (!w)
                db::fail(QStringLiteral("The window %1 has no control %2 for the field %3.")
                             .arg(objectName(), control, field));
            const int column = m_model.fieldIndex(field);
            if (column < 0)
                db::fail(QStringLiteral("The field %1 does not exist in table %2 of %3; the "
                                        "control %4 of the window %5 shows it.")
                             .arg(field, m_model.table(), m_model.path(), control, objectName()));
            m_mapper->addMapping(w, column);
            m_fields.push_back(w);
        }
    });
    if (!opened) {
        m_mapper->clearMapping();
        m_fields.clear();
        m_model.close();
        close();
        return;
    }
    showRow(m_model.rowCount() > 0 ? 0 : -1);
}

int BoundForm::shownRow() const {
    const int row = m_mapper->currentIndex();
    return row >= 0 && row < m_model.rowCount() ? row : -1;
}

QWidget *BoundForm::firstField() const {
    return m_fields.empty() ? nullptr : m_fields.front();
}

void BoundForm::showFirstField() {
    if (QWidget *w = firstField(); w && w->isEnabled())
        w->setFocus();
}

void BoundForm::clearFields() {
    for (QWidget *w : m_fields) {
        const QMetaProperty p = w->metaObject()->userProperty();
        if (p.isValid())
            p.write(w, QVariant(p.metaType()));
    }
}

void BoundForm::showRow(int row) {
    if (row >= 0 && row < m_model.rowCount()) {
        m_mapper->setCurrentIndex(row);
    } else {
        // The mapper's index already points nowhere: its row is gone.
        clearFields();
        row = -1;
    }
    for (QWidget *w : m_fields)
        w->setEnabled(row >= 0 || m_unbound);
    if (m_bar) {
        int stored = m_model.rowCount();
        if (stored > 0 && m_model.isNew(stored - 1))
            --stored;
        m_bar->showPosition(row, stored, m_model.isNew(row));
    }
}

bool BoundForm::saveShown() {
    if (m_unbound)
        return true;
    const int row = shownRow();
    if (row < 0)
        return true;
    m_mapper->submit(); // the fields' texts become the row's pending values
    if (m_model.isNew(row) && !m_model.isDirty(row)) {
        m_model.revertRow(row); // nobody typed into it: never stored
        return true;
    }
    return guarded([&] { m_model.submitRow(row); });
}

void BoundForm::move(Move move) {
    if (m_unbound)
        return;
    const int count = m_model.rowCount();
    if (count == 0)
        return;
    const int current = shownRow();
    int target = 0;
    switch (move) {
    case Move::First:
        target = 0;
        break;
    case Move::Previous:
        target = std::max(0, current - 1);
        break;
    case Move::Next:
        target = std::min(count - 1, current + 1);
        break;
    case Move::Last:
        target = count - 1;
        break;
    }
    if (target == current)
        return;
    if (!saveShown())
        return;
    // Only a new record (always the last row) can have gone.
    showRow(std::min(target, m_model.rowCount() - 1));
}

void BoundForm::newRecord() {
    if (m_unbound || !m_model.isOpen())
        return;
    const int shown = shownRow();
    if (shown < 0 || !m_model.isNew(shown)) {
        if (!saveShown())
            return;
        int row = -1;
        if (!guarded([&] { row = m_model.insertNewRow(); }))
            return;
        showRow(row);
    }
    showFirstField();
}

void BoundForm::saveRecord() {
    if (m_unbound)
        return;
    const int row = shownRow();
    if (row < 0) {
        noRecordShown(QStringLiteral("save"));
        return;
    }
    m_mapper->submit();
    if (!m_model.isDirty(row))
        return; // nothing changed; a new record nobody typed into stays unsaved
    if (guarded([&] { m_model.submitRow(row); }))
        showRow(row);
}

void BoundForm::deleteRecord() {
    if (m_unbound)
        return;
    const int row = shownRow();
    if (row < 0) {
        noRecordShown(QStringLiteral("delete"));
        return;
    }
    QString name;
    if (QWidget *w = firstField()) {
        const QMetaProperty p = w->metaObject()->userProperty();
        if (p.isValid() && p.metaType().id() == QMetaType::QString)
            name = p.read(w).toString().trimmed();
    }
    const QString text =
        name.isEmpty()
            ? QStringLiteral("Delete the record shown from table %1?").arg(m_model.table())
            : QStringLiteral("Delete the record \"%1\" from table %2?").arg(name, m_model.table());
    if (showMessage(text, windowTitle(), MsgIcon::Question, MsgButtons::YesNo, 1) != MsgResult::Yes)
        return;
    if (!guarded([&] { m_model.deleteRow(row); }))
        return;
    showRow(std::min(row, m_model.rowCount() - 1));
}

void BoundForm::okSaving() {
    if (saveShown())
        close();
}

void BoundForm::cancel() {
    if (!m_unbound) {
        const int row = shownRow();
        if (row >= 0 && m_model.isNew(row)) {
            m_model.revertRow(row); // a new record never saved is dropped
            showRow(-1);
        }
    }
    close();
}

void BoundForm::showStored(qint64 rowid) {
    if (!guarded([this] { m_model.select(); }))
        return;
    const int row = m_model.rowOf(rowid);
    showRow(row >= 0 ? row : (m_model.rowCount() > 0 ? 0 : -1));
}

void BoundForm::setUnboundEntry(bool on) {
    m_unbound = on;
    if (m_bar) {
        m_bar->setMovesEnabled(!on);
        if (on)
            m_bar->showPosition(m_model.rowCount(), m_model.rowCount(), true);
    }
    for (QWidget *w : m_fields)
        w->setEnabled(on || shownRow() >= 0);
}

void BoundForm::noRecordShown(const QString &action) {
    showMessage(QStringLiteral("The window \"%1\" shows no record; there is nothing to %2.")
                    .arg(windowTitle().trimmed(), action),
                windowTitle(), MsgIcon::Exclamation);
}

void BoundForm::closeEvent(QCloseEvent *event) {
    if (!saveShown()) {
        event->ignore(); // the refused value stays for the user to correct
        return;
    }
    ZarnWindow::closeEvent(event);
}

} // namespace zarn
