#pragma once
// A private program directory with the startup defaults loaded, scripted
// message boxes, and helpers that reach windows and controls by name, for the
// process-energy and module window tests.
#include "data/database.h"
#include "shell/sharedstate.h"
#include "shell/startup.h"
#include "shell/windows/windowregistry.h"
#include "support/fixtures.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <memory>

namespace zarn::test {

class EnergyWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetSharedState();
        bundle = std::make_unique<TempBundle>();
        setProgramDirectory(bundle->path());
        messages = std::make_unique<ScriptedMessages>();
        loadStartupDefaults(bundle->path(), 2026);
    }
    void TearDown() override {
        WindowRegistry::closeAll();
        flush();
        messages.reset();
        setProgramDirectory(QString());
    }
    static void flush() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    template <class T = QWidget> static T *control(const QString &window, const QString &name) {
        QWidget *w = WindowRegistry::find(window);
        EXPECT_NE(w, nullptr) << window.toStdString() << " is not open";
        T *c = w ? w->findChild<T *>(name) : nullptr;
        EXPECT_NE(c, nullptr) << "no " << name.toStdString() << " in " << window.toStdString();
        return c;
    }
    static void press(const QString &window, const QString &button) {
        if (auto *b = control<QAbstractButton>(window, button))
            b->click();
        flush();
    }
    // The text of a field, list, panel or button.
    static QString text(const QString &window, const QString &name) {
        QWidget *c = control(window, name);
        if (auto *e = qobject_cast<QLineEdit *>(c))
            return e->text();
        if (auto *l = qobject_cast<QComboBox *>(c))
            return l->currentText();
        if (auto *p = qobject_cast<QLabel *>(c))
            return p->text();
        if (auto *b = qobject_cast<QAbstractButton *>(c))
            return b->text();
        return QStringLiteral("<no text>");
    }
    // Typing into a field: its text changes (and its change handler runs).
    static void type(const QString &window, const QString &name, const QString &value) {
        if (auto *e = control<QLineEdit>(window, name))
            e->setText(value);
        flush();
    }
    // Choosing the entry `entry` of a list, as the user does.
    static void choose(const QString &window, const QString &list, const QString &entry) {
        auto *l = control<QComboBox>(window, list);
        if (!l)
            return;
        const int i = l->findText(entry);
        ASSERT_GE(i, 0) << entry.toStdString() << " is not in " << list.toStdString();
        l->setCurrentIndex(i);
        emit l->activated(i);
        flush();
    }
    static bool isOpen(const QString &window) {
        QWidget *w = WindowRegistry::find(window);
        return w && w->isVisible();
    }
    db::Database database() const { return db::Database::open(bundle->file("Sorghum.mdb")); }
    // Field `field` of record `record` (1-based) of table.
    QString stored(const QString &table, int record, const QString &field) const {
        auto d = database();
        auto c = d.openDynaset(table);
        c.moveTo(record - 1);
        return c.text(field);
    }

    std::unique_ptr<TempBundle> bundle;
    std::unique_ptr<ScriptedMessages> messages;
};

} // namespace zarn::test
