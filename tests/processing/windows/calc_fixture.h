#pragma once
// A private program directory with the defaults loaded as at startup, an
// OUT1.SG to read, scripted message boxes and a clean window set.
#include "data/database.h"
#include "shell/sharedstate.h"
#include "shell/startup.h"
#include "shell/windows/windowregistry.h"
#include "support/fixtures.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQuery>
#include <gtest/gtest.h>
#include <memory>

namespace zarn::test {

class CalcTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetSharedState();
        bundle = std::make_unique<TempBundle>();
        m_cwd = QDir::currentPath();
        setProgramDirectory(bundle->path());
        QDir::setCurrent(bundle->path());
        loadStartupDefaults(bundle->path(), 2026);
        messages = std::make_unique<ScriptedMessages>();
    }
    void TearDown() override {
        WindowRegistry::closeAll();
        flush();
        messages.reset();
        setProgramDirectory(QString());
        QDir::setCurrent(m_cwd);
        resetSharedState();
    }
    static void flush() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // OUT1.SG with "PHYSIOLOGICAL MATURITY" from column 12 and `digits` from
    // column 36, where the calculation window reads its yield.
    void writeOut1(const QString &digits) {
        const QString maturity = QString(11, u' ') + "PHYSIOLOGICAL MATURITY  " +
                                 digits.leftJustified(9, u' ') + "  1.67    96";
        QFile f(bundle->ceresPath() + "OUT1.SG");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (const QString &line :
             {QString("*SIMULATION OVERVIEW"), QString(), QString("    30 APR  Sowing"), maturity})
            f.write(line.toLatin1() + "\r\n");
    }
    void exec(const QString &sql) {
        auto d = db::Database::open(bundle->file("Sorghum.mdb"));
        QSqlQuery q(d.connection());
        ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
    }

    static QWidget *open(const QString &window) {
        QWidget *w = WindowRegistry::show(window);
        flush();
        return w;
    }
    static void press(const QString &window, const QString &button) {
        QWidget *w = WindowRegistry::find(window);
        ASSERT_NE(w, nullptr) << window.toStdString() << " is not open";
        auto *b = w->findChild<QAbstractButton *>(button);
        ASSERT_NE(b, nullptr) << button.toStdString();
        b->click();
        flush();
    }
    // The text of a field or panel of an open window.
    static QString text(const QString &window, const QString &control) {
        QWidget *w = WindowRegistry::find(window);
        if (!w)
            return "<" + window + " not open>";
        if (auto *f = w->findChild<QLineEdit *>(control))
            return f->text();
        if (auto *l = w->findChild<QLabel *>(control))
            return l->text();
        return "<no " + control + ">";
    }
    template <class T> static T *control(const QString &window, const QString &name) {
        QWidget *w = WindowRegistry::find(window);
        return w ? w->findChild<T *>(name) : nullptr;
    }
    static bool isOpen(const QString &window) {
        QWidget *w = WindowRegistry::find(window);
        return w && w->isVisible();
    }
    int shown(const QString &messageText) const {
        int n = 0;
        for (const auto &m : messages->shown())
            n += m.text == messageText;
        return n;
    }

    std::unique_ptr<TempBundle> bundle;
    std::unique_ptr<ScriptedMessages> messages;
    QString m_cwd;
};

} // namespace zarn::test
