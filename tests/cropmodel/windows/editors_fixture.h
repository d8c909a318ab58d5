#pragma once
// Fixture of the input-editor window tests: a private program directory, the
// shared paths and defaults pointed at it, and boxes answered by a script.
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"
#include "support/fixtures.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <gtest/gtest.h>
#include <memory>

namespace zarn::test {

class EditorFixture : public ::testing::Test {
protected:
    void SetUp() override {
        resetSharedState();
        m_bundle = std::make_unique<TempBundle>();
        m_cwd = QDir::currentPath();
        SharedState &s = shared();
        s.gSystemPath = m_bundle->path();
        s.gCeresPath = m_bundle->ceresPath();
        // The bundled defaults, as startup reads them.
        s.gInstitute = "Highfield Crop Research Institute";
        s.gInst = "HC";
        s.gSite = "Highfield Experimental Farm";
        s.gShortSite = "HF";
        s.gSorghumVariety = "Amberstalk";
        s.gVarietyNumber = 1;
        s.gSoil = 1;
        s.gCurrentYear = 1996;
        QDir::setCurrent(m_bundle->path());
    }

    void TearDown() override {
        WindowRegistry::closeAll();
        settle();
        QDir::setCurrent(m_cwd);
        resetSharedState();
    }

    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QString ceres() const { return m_bundle->ceresPath(); }
    QString program() const { return m_bundle->path(); }

    static QWidget *open(const QString &window) {
        QWidget *w = WindowRegistry::find(window);
        return w ? w : WindowRegistry::show(window);
    }
    static bool isOpen(const QString &window) { return WindowRegistry::find(window) != nullptr; }

    template <class T> static T *control(const QString &window, const QString &name) {
        QWidget *w = WindowRegistry::find(window);
        return w ? w->findChild<T *>(name) : nullptr;
    }
    static void click(const QString &window, const QString &button) {
        QWidget *w = open(window);
        ASSERT_NE(w, nullptr) << window.toStdString();
        auto *b = w->findChild<QAbstractButton *>(button);
        ASSERT_NE(b, nullptr) << button.toStdString();
        b->click();
        settle();
    }
    static QString text(const QString &window, const QString &name) {
        QWidget *w = WindowRegistry::find(window);
        if (!w)
            return "<closed>";
        if (auto *e = w->findChild<QLineEdit *>(name))
            return e->text();
        if (auto *l = w->findChild<QLabel *>(name))
            return l->text();
        if (auto *c = w->findChild<QComboBox *>(name))
            return c->currentText();
        return "<no control>";
    }
    static void setText(const QString &window, const QString &name, const QString &value) {
        auto *e = control<QLineEdit>(window, name);
        ASSERT_NE(e, nullptr) << name.toStdString();
        e->setText(value);
    }
    // Chooses a list row as the user does.
    static void choose(const QString &window, const QString &list, int row) {
        auto *l = control<QListWidget>(window, list);
        ASSERT_NE(l, nullptr) << list.toStdString();
        l->setCurrentRow(row);
    }
    // Chooses a drop-down entry (by text) as the user does.
    static void chooseEntry(const QString &window, const QString &combo, const QString &entry) {
        auto *c = control<QComboBox>(window, combo);
        ASSERT_NE(c, nullptr) << combo.toStdString();
        const int i = c->findText(entry);
        ASSERT_GE(i, 0) << entry.toStdString();
        c->setCurrentIndex(i);
        emit c->activated(i);
    }
    static QStringList listLines(const QString &window, const QString &list) {
        QStringList lines;
        if (auto *l = control<QListWidget>(window, list))
            for (int i = 0; i < l->count(); ++i)
                lines << l->item(i)->text();
        return lines;
    }

    std::unique_ptr<TempBundle> m_bundle;
    ScriptedMessages m_boxes;
    QString m_cwd;
};

} // namespace zarn::test
