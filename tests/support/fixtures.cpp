#include "support/fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <stdexcept>

namespace zarn::test {

QByteArray bytesOf(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void putBytes(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

bool copyTree(const QString &from, const QString &to) {
    QDir src(from);
    if (!src.exists() || !QDir().mkpath(to))
        return false;
    const auto entries = src.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo &fi : entries) {
        const QString target = to + "/" + fi.fileName();
        if (fi.isDir()) {
            if (!copyTree(fi.absoluteFilePath(), target))
                return false;
        } else if (!QFile::copy(fi.absoluteFilePath(), target)) {
            return false;
        } else {
            QFile::setPermissions(target, fi.permissions() | QFileDevice::WriteOwner);
        }
    }
    return true;
}

TempBundle::TempBundle() {
    if (!m_dir.isValid() || !copyTree(QStringLiteral(ZARN_BUNDLE_DIR), m_dir.path()))
        throw std::runtime_error("cannot copy the program bundle " ZARN_BUNDLE_DIR);
}

QString TempBundle::path() const {
    return m_dir.path() + "/";
}
QString TempBundle::ceresPath() const {
    return path() + "WINCERES/";
}

ScriptedMessages::ScriptedMessages() {
    m_previous = setMessageResponder([this](const MessageRequest &r) {
        m_shown.push_back(r);
        if (m_answers.empty())
            return defaultAnswer(r);
        MsgResult a = m_answers.front();
        m_answers.pop_front();
        return a;
    });
}

ScriptedMessages::~ScriptedMessages() {
    setMessageResponder(std::move(m_previous));
}

bool ScriptedMessages::sawText(const QString &text) const {
    for (const auto &r : m_shown)
        if (r.text == text)
            return true;
    return false;
}

bool ScriptedMessages::sawTextContaining(const QString &part) const {
    for (const auto &r : m_shown)
        if (r.text.contains(part))
            return true;
    return false;
}

} // namespace zarn::test
