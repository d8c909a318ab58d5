#include "shell/windows/messagebox.h"

#include "shell/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace zarn {

namespace {

MsgResult askWithBox(const MessageRequest &r) {
    QMessageBox box(QApplication::activeWindow());
    box.setText(r.text);
    box.setWindowTitle(r.title);
    switch (r.icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    struct Choice {
        QMessageBox::StandardButton button;
        MsgResult result;
    };
    std::vector<Choice> choices;
    switch (r.buttons) {
    case MsgButtons::Ok:
        choices = {{QMessageBox::Ok, MsgResult::Ok}};
        break;
    case MsgButtons::OkCancel:
        choices = {{QMessageBox::Ok, MsgResult::Ok}, {QMessageBox::Cancel, MsgResult::Cancel}};
        break;
    case MsgButtons::YesNo:
        choices = {{QMessageBox::Yes, MsgResult::Yes}, {QMessageBox::No, MsgResult::No}};
        break;
    case MsgButtons::YesNoCancel:
        choices = {{QMessageBox::Yes, MsgResult::Yes},
                   {QMessageBox::No, MsgResult::No},
                   {QMessageBox::Cancel, MsgResult::Cancel}};
        break;
    case MsgButtons::RetryCancel:
        choices = {{QMessageBox::Retry, MsgResult::Retry},
                   {QMessageBox::Cancel, MsgResult::Cancel}};
        break;
    case MsgButtons::AbortRetryIgnore:
        choices = {{QMessageBox::Abort, MsgResult::Abort},
                   {QMessageBox::Retry, MsgResult::Retry},
                   {QMessageBox::Ignore, MsgResult::Ignore}};
        break;
    }
    QMessageBox::StandardButtons buttons;
    for (const Choice &c : choices)
        buttons |= c.button;
    box.setStandardButtons(buttons);
    if (r.defaultButton >= 0 && r.defaultButton < int(choices.size()))
        box.setDefaultButton(choices[size_t(r.defaultButton)].button);
    const int answer = box.exec();
    for (const Choice &c : choices)
        if (answer == c.button)
            return c.result;
    // Closed with Escape or the close box: the last (cancelling) choice.
    return choices.back().result;
}

} // namespace

void installMessageBoxResponder() {
    setMessageResponder(askWithBox);
}

} // namespace zarn
