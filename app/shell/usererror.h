#pragma once
// A failure the user must be told about. Thrown by GUI-free code (database,
// crop-model files, calculations); the window action that started the work
// catches it, shows it with reportError() and ends. Whatever was being written
// is left as it was before the action.

#include <QString>
#include <stdexcept>

namespace zarn {

class UserError : public std::runtime_error {
public:
    // title: the message box title ("Database Error", "Crop Model File Error").
    // text: the whole message; names the file, table, field or value concerned.
    UserError(QString title, QString text)
        : std::runtime_error(text.toStdString()), m_title(std::move(title)),
          m_text(std::move(text)) {}

    const QString &title() const { return m_title; }
    const QString &text() const { return m_text; }

private:
    QString m_title;
    QString m_text;
};

} // namespace zarn
