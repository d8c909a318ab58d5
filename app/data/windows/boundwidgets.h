#pragma once
// Controls of the bound windows, used as promoted widgets in their .ui layouts:
//   RecordBar     the record navigation bar of a data source: first, previous,
//                 next and last buttons around its caption ("Records") and the
//                 position of the record shown
//   CaptionField  a read-only text field carrying a fixed caption (a field's
//                 label or unit); the user does not edit it and it takes no focus
#include <QFrame>
#include <QLineEdit>

class QLabel;
class QToolButton;

namespace zarn {

class RecordBar : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
public:
    explicit RecordBar(QWidget *parent = nullptr);

    QString caption() const;
    void setCaption(const QString &caption);
    QString positionText() const;

    // Shows the position (row of count; -1: no record; isNew: a new record
    // not yet stored) and enables the moves that lead somewhere.
    void showPosition(int row, int count, bool isNew);
    // Off while the window shows an entry that is not a record of the table.
    void setMovesEnabled(bool enabled);

signals:
    void firstRequested();
    void previousRequested();
    void nextRequested();
    void lastRequested();

private:
    void updateButtons();

    QToolButton *m_first;
    QToolButton *m_previous;
    QToolButton *m_next;
    QToolButton *m_last;
    QLabel *m_caption;
    QLabel *m_position;
    int m_row = -1;
    int m_count = 0;
    bool m_movesEnabled = true;
};

class CaptionField : public QLineEdit {
    Q_OBJECT
public:
    explicit CaptionField(QWidget *parent = nullptr);
    // As wide as its caption, so a layout never cuts it.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
};

} // namespace zarn
