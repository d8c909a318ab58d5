#pragma once
// The three shared control kinds of ZARN windows, used as promoted widgets in
// the .ui layouts:
//   Panel3D        a sunken 3-D panel showing a caption (read-only)
//   OptionButton3D a 3-D option button: a checkable push button, exclusive among
//                  its siblings in the same frame, whose click runs its action
//   Frame3D        a captioned 3-D frame (group box)
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace zarn {

class Panel3D : public QLabel {
    Q_OBJECT
public:
    explicit Panel3D(QWidget *parent = nullptr) : QLabel(parent) {
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Sunken);
        setTextFormat(Qt::PlainText);
    }
};

class OptionButton3D : public QPushButton {
    Q_OBJECT
public:
    explicit OptionButton3D(QWidget *parent = nullptr) : QPushButton(parent) {
        setCheckable(true);
        setAutoExclusive(true);
    }
    // Clears the selection even though the button is exclusive among its siblings.
    void setUnselected() {
        setAutoExclusive(false);
        setChecked(false);
        setAutoExclusive(true);
    }
};

class Frame3D : public QGroupBox {
    Q_OBJECT
public:
    explicit Frame3D(QWidget *parent = nullptr) : QGroupBox(parent) {}
};

} // namespace zarn
