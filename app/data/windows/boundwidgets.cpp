#include "data/windows/boundwidgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace zarn {

namespace {
QToolButton *moveButton(QWidget *parent, const QString &name, const QString &text,
                        const QString &tip) {
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(tip);
    b->setAutoRaise(false);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}
} // namespace

RecordBar::RecordBar(QWidget *parent) : QFrame(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    m_first = moveButton(this, QStringLiteral("RecordFirst"), QStringLiteral("|<"),
                         QStringLiteral("First record"));
    m_previous = moveButton(this, QStringLiteral("RecordPrevious"), QStringLiteral("<"),
                            QStringLiteral("Previous record"));
    m_next = moveButton(this, QStringLiteral("RecordNext"), QStringLiteral(">"),
                        QStringLiteral("Next record"));
    m_last = moveButton(this, QStringLiteral("RecordLast"), QStringLiteral(">|"),
                        QStringLiteral("Last record"));
    m_caption = new QLabel(QStringLiteral("Records"), this);
    m_caption->setObjectName(QStringLiteral("RecordCaption"));
    m_caption->setAlignment(Qt::AlignCenter);
    m_position = new QLabel(this);
    m_position->setObjectName(QStringLiteral("RecordPosition"));
    m_position->setAlignment(Qt::AlignCenter);

    auto *middle = new QVBoxLayout;
    middle->setSpacing(0);
    middle->addWidget(m_caption);
    middle->addWidget(m_position);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    row->addWidget(m_first);
    row->addWidget(m_previous);
    row->addLayout(middle, 1);
    row->addWidget(m_next);
    row->addWidget(m_last);

    connect(m_first, &QToolButton::clicked, this, &RecordBar::firstRequested);
    connect(m_previous, &QToolButton::clicked, this, &RecordBar::previousRequested);
    connect(m_next, &QToolButton::clicked, this, &RecordBar::nextRequested);
    connect(m_last, &QToolButton::clicked, this, &RecordBar::lastRequested);
    showPosition(-1, 0, false);
}

QString RecordBar::caption() const {
    return m_caption->text();
}

void RecordBar::setCaption(const QString &caption) {
    m_caption->setText(caption);
}

QString RecordBar::positionText() const {
    return m_position->text();
}

void RecordBar::showPosition(int row, int count, bool isNew) {
    m_row = row;
    m_count = count;
    if (row < 0)
        m_position->setText(QStringLiteral("No record"));
    else if (isNew)
        m_position->setText(QStringLiteral("New record"));
    else
        m_position->setText(QStringLiteral("%1 of %2").arg(row + 1).arg(count));
    updateButtons();
}

void RecordBar::setMovesEnabled(bool enabled) {
    m_movesEnabled = enabled;
    updateButtons();
}

void RecordBar::updateButtons() {
    const bool any = m_movesEnabled && m_count > 0;
    m_first->setEnabled(any && m_row != 0);
    m_previous->setEnabled(any && m_row > 0);
    m_next->setEnabled(any && m_row < m_count - 1);
    m_last->setEnabled(any && m_row != m_count - 1);
}

CaptionField::CaptionField(QWidget *parent) : QLineEdit(parent) {
    setReadOnly(true);
    setFrame(false);
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(QStringLiteral("background: transparent;"));
}

QSize CaptionField::sizeHint() const {
    const QMargins m = textMargins() + contentsMargins();
    return {fontMetrics().horizontalAdvance(text()) + m.left() + m.right() + 8,
            QLineEdit::sizeHint().height()};
}

} // namespace zarn
