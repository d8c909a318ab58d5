#pragma once
// A private program directory with the startup defaults loaded, scripted
// message boxes, and helpers to work a bound window by its control names.
#include "data/database.h"
#include "data/windows/boundform.h"
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
#include <ostream>

// Failures show texts as texts.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &text, std::ostream *os) {
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace zarn::test {

class DataWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetSharedState();
        bundle = std::make_unique<TempBundle>();
        setProgramDirectory(bundle->path());
        loadStartupDefaults(bundle->path(), 2026);
        messages = std::make_unique<ScriptedMessages>();
    }
    void TearDown() override {
        WindowRegistry::closeAll();
        flush();
        for (const QString &name : WindowRegistry::openWindows())
            delete WindowRegistry::find(name); // refused to close: leave nothing behind
        messages.reset();
        setProgramDirectory(QString());
    }
    static void flush() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static QWidget *open(const QString &window) {
        QWidget *w = WindowRegistry::show(window);
        flush();
        return w;
    }
    static bool isOpen(const QString &window) {
        QWidget *w = WindowRegistry::find(window);
        return w && w->isVisible();
    }
    // Clicks a button of a window, or a move of its record bar ("RecordNext").
    static void press(const QString &window, const QString &control) {
        QWidget *w = WindowRegistry::find(window);
        ASSERT_NE(w, nullptr) << window.toStdString() << " is not open";
        auto *b = w->findChild<QAbstractButton *>(control);
        ASSERT_NE(b, nullptr) << "no button " << control.toStdString();
        ASSERT_TRUE(b->isEnabled()) << control.toStdString() << " is disabled";
        b->click();
        flush();
    }
    static QLineEdit *field(const QString &window, const QString &control) {
        QWidget *w = WindowRegistry::find(window);
        return w ? w->findChild<QLineEdit *>(control) : nullptr;
    }
    static void type(const QString &window, const QString &control, const QString &text) {
        QLineEdit *f = field(window, control);
        ASSERT_NE(f, nullptr) << "no field " << control.toStdString();
        f->setText(text);
    }
    static QString text(const QString &window, const QString &control) {
        QLineEdit *f = field(window, control);
        return f ? f->text() : QStringLiteral("<no field>");
    }
    static QComboBox *list(const QString &window, const QString &name) {
        QWidget *w = WindowRegistry::find(window);
        return w ? w->findChild<QComboBox *>(name) : nullptr;
    }
    static QString panel(const QString &window, const QString &name) {
        QWidget *w = WindowRegistry::find(window);
        auto *p = w ? w->findChild<QLabel *>(name) : nullptr;
        return p ? p->text() : QStringLiteral("<no panel>");
    }
    // Chooses a list entry as the user does (the choice handler runs).
    static void choose(const QString &window, const QString &name, const QString &entry) {
        QComboBox *c = list(window, name);
        ASSERT_NE(c, nullptr) << name.toStdString();
        const int i = c->findText(entry);
        ASSERT_GE(i, 0) << entry.toStdString();
        c->setCurrentIndex(i);
        emit c->activated(i);
    }
    static QString position(const QString &window) {
        auto *w = qobject_cast<BoundForm *>(WindowRegistry::find(window));
        return w && w->recordBar() ? w->recordBar()->positionText() : QStringLiteral("<none>");
    }

    QString database() const { return bundle->file(QStringLiteral("Sorghum.mdb")); }
    // The texts of some fields of every record of a table, as stored now.
    QStringList records(const QString &table, const QStringList &fields) const {
        auto d = db::Database::open(database());
        QStringList rows;
        for (auto c = d.openTable(table); !c.eof(); c.moveNext()) {
            QStringList values;
            for (const QString &f : fields)
                values << c.text(f);
            rows << values.join('|');
        }
        return rows;
    }
    int count(const QString &table) const {
        return db::Database::open(database()).openTable(table).recordCount();
    }

    std::unique_ptr<TempBundle> bundle;
    std::unique_ptr<ScriptedMessages> messages;
};

} // namespace zarn::test
