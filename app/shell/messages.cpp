#include "shell/messages.h"

#include <cstdio>

namespace zarn {

namespace {
MessageResponder &responder() {
    static MessageResponder r;
    return r;
}
} // namespace

MsgResult defaultAnswer(const MessageRequest &request) {
    auto pick = [&](std::initializer_list<MsgResult> order) {
        int i = 0;
        for (MsgResult r : order)
            if (i++ == request.defaultButton)
                return r;
        return *order.begin();
    };
    switch (request.buttons) {
    case MsgButtons::Ok:
        return MsgResult::Ok;
    case MsgButtons::OkCancel:
        return pick({MsgResult::Ok, MsgResult::Cancel});
    case MsgButtons::YesNo:
        return pick({MsgResult::Yes, MsgResult::No});
    case MsgButtons::YesNoCancel:
        return pick({MsgResult::Yes, MsgResult::No, MsgResult::Cancel});
    case MsgButtons::RetryCancel:
        return pick({MsgResult::Retry, MsgResult::Cancel});
    case MsgButtons::AbortRetryIgnore:
        return pick({MsgResult::Abort, MsgResult::Retry, MsgResult::Ignore});
    }
    return MsgResult::Ok;
}

MessageResponder setMessageResponder(MessageResponder r) {
    MessageResponder old = std::move(responder());
    responder() = std::move(r);
    return old;
}

MsgResult showMessage(const QString &text, const QString &title, MsgIcon icon, MsgButtons buttons,
                      int defaultButton) {
    MessageRequest request{text, title, icon, buttons, defaultButton};
    if (responder())
        return responder()(request);
    std::fprintf(stderr, "[%s] %s\n", qPrintable(title), qPrintable(text));
    return defaultAnswer(request);
}

void reportError(const UserError &error) {
    showMessage(error.text(), error.title(), MsgIcon::Exclamation, MsgButtons::Ok);
}

} // namespace zarn
