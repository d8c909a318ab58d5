#pragma once
// A private program directory, scripted message boxes, and a clean window set
// for every shell test.
#include "data/database.h"
#include "shell/sharedstate.h"
#include "shell/startup.h"
#include "shell/windows/windowregistry.h"
#include "support/fixtures.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <gtest/gtest.h>
#include <memory>

namespace zarn::test {

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetSharedState();
        bundle = std::make_unique<TempBundle>();
        setProgramDirectory(bundle->path());
        messages = std::make_unique<ScriptedMessages>();
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
    // Clicks a button or triggers a menu entry of a window, by their names.
    static void press(const QString &window, const QString &control) {
        QWidget *w = WindowRegistry::find(window);
        ASSERT_NE(w, nullptr) << window.toStdString() << " is not open";
        if (auto *b = w->findChild<QAbstractButton *>(control)) {
            b->click();
        } else if (auto *a = w->findChild<QAction *>(control)) {
            a->trigger();
        } else {
            FAIL() << "no control " << control.toStdString() << " in " << window.toStdString();
        }
        flush();
    }
    static bool isOpen(const QString &window) {
        QWidget *w = WindowRegistry::find(window);
        return w && w->isVisible();
    }
    QString database() const { return bundle->file("Sorghum.mdb"); }

    std::unique_ptr<TempBundle> bundle;
    std::unique_ptr<ScriptedMessages> messages;
};

} // namespace zarn::test
