#pragma once
// Shared test helpers: a private copy of the built program directory, and a
// scripted message-box responder.
#include "shell/messages.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <vector>

namespace zarn::test {

// A fresh copy of the bundle (databases, catalogues, WINCERES/) in a temporary
// directory, so a test may change files freely. path() ends with "/".
class TempBundle {
public:
    TempBundle();
    QString path() const;      // program directory, with trailing "/"
    QString ceresPath() const; // path() + "WINCERES/"
    QString file(const QString &name) const { return path() + name; }

private:
    QTemporaryDir m_dir;
};

// Records every message box and answers from a queue; when the queue is empty
// the box's default button is the answer. Installed for its lifetime.
class ScriptedMessages {
public:
    ScriptedMessages();
    ~ScriptedMessages();
    void answer(MsgResult result) { m_answers.push_back(result); }
    const std::vector<MessageRequest> &shown() const { return m_shown; }
    bool sawText(const QString &text) const; // some box's text equals text
    bool sawTextContaining(const QString &part) const;
    void clear() { m_shown.clear(); }

private:
    std::deque<MsgResult> m_answers;
    std::vector<MessageRequest> m_shown;
    MessageResponder m_previous;
};

// The bytes of a file, or "<missing>" when it cannot be read.
QByteArray bytesOf(const QString &path);
// Replaces a file's bytes (a test failure when the file cannot be written).
void putBytes(const QString &path, const QByteArray &bytes);

// Copies a directory tree; used to build TempBundle.
bool copyTree(const QString &from, const QString &to);

} // namespace zarn::test
