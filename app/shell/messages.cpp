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

QString printable(const QString &text, bool keepLineBreaks) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\n' && keepLineBreaks)
            out += c;
        else if (u == u'\n')
            out += QStringLiteral("\\n");
        else if (u == u'\r')
            out += QStringLiteral("\\r");
        else if (u == u'\t')
            out += QStringLiteral("\\t");
        else if (c.isPrint() || c.isSurrogate())
            out += c;
        else if (u < 0x100)
            out += QStringLiteral("\\x%1").arg(unsigned(u), 2, 16, QLatin1Char('0'));
        else
            out += QStringLiteral("\\u%1").arg(unsigned(u), 4, 16, QLatin1Char('0'));
    }
    return out;
}

MsgResult showMessage(const QString &text, const QString &title, MsgIcon icon, MsgButtons buttons,
                      int defaultButton) {
    MessageRequest request{printable(text, true), printable(title), icon, buttons, defaultButton};
    if (responder())
        return responder()(request);
    std::fprintf(stderr, "[%s] %s\n", qPrintable(request.title), qPrintable(request.text));
    return defaultAnswer(request);
}

void reportError(const UserError &error) {
    showMessage(error.text(), error.title(), MsgIcon::Exclamation, MsgButtons::Ok);
}

} // namespace zarn
