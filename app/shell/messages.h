#pragma once
// The one way ZARN shows a message box.
//
// Windows call showMessage(); the program installs a responder that shows a
// real modal box (windows/messagebox.cpp), tests install a scripted one
// (tests/support) that records every request and answers from a script, so no
// test ever waits on a box. With no responder installed the request is written
// to standard error and answered with its default button.

#include "shell/usererror.h"
#include <QString>
#include <functional>
#include <utility>

namespace zarn {

enum class MsgIcon { None, Information, Question, Exclamation, Critical };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MsgResult { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

struct MessageRequest {
    QString text;
    QString title;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    int defaultButton = 0; // 0-based position among the buttons
};

// The answer of the default button of a request (Ok for Ok, Yes for YesNo...).
MsgResult defaultAnswer(const MessageRequest &request);

using MessageResponder = std::function<MsgResult(const MessageRequest &)>;

// Replaces the responder; returns the previous one. An empty function removes it.
MessageResponder setMessageResponder(MessageResponder responder);

// Every text is shown through printable(text, true): a byte read from a file
// never reaches the box raw.
MsgResult showMessage(const QString &text, const QString &title, MsgIcon icon = MsgIcon::None,
                      MsgButtons buttons = MsgButtons::Ok, int defaultButton = 0);

// `text` with every character that does not print (control characters, DEL,
// the C1 controls, unassigned code points) written as an escape: "\t", "\r",
// "\n", "\x1b", "\u200b". Values read from files go through it before they
// are put into a message. With `keepLineBreaks`, "\n" stays a line break.
QString printable(const QString &text, bool keepLineBreaks = false);

// Shows a UserError: its title, its text, exclamation icon, OK.
void reportError(const UserError &error);

// Runs one user action; a UserError thrown inside ends it and is shown.
// Returns false when the action ended on an error.
template <class Action> bool guarded(Action &&action) {
    try {
        std::forward<Action>(action)();
        return true;
    } catch (const UserError &error) {
        reportError(error);
        return false;
    }
}

} // namespace zarn
