// One widget per control of the window layer's model: how each kind of
// control is made, and how its model state is copied into it.
#pragma once

#include <QGroupBox>
#include <QRadioButton>

#include "fonts.h"
#include "platform/dialog.h"

class QPainter;
class QWidget;

namespace tarnvik::qt {

// A radio whose check only the model sets. A click is reported (clicked) but
// toggles nothing; the window layer's group rule decides, and the mirror
// shows its decision. Auto-exclusivity is off, so all radios of a group can
// be unchecked.
class ModelRadio : public QRadioButton {
  public:
    explicit ModelRadio(QWidget* parent);

  protected:
    void nextCheckState() override {}
};

// A captioned frame drawn the way the template's platform draws it: the
// frame's top edge runs through the middle of the caption, which sits near
// the left corner. (Fusion puts the caption above the frame, which pushes
// the frame into the controls the template places just below its top.)
class TemplateGroupBox : public QGroupBox {
  public:
    explicit TemplateGroupBox(QWidget* parent) : QGroupBox(parent) {}

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// The etched frame of qDrawShadeRect(sunken, line width 1, no mid line):
// a dark rectangle one pixel in from the bottom and right, and light lines
// inside it at the top and left and outside it at the bottom and right. At
// one device pixel per pixel the same pixels are filled directly, which
// costs a tenth of drawing them with pens; otherwise Qt draws them.
void DrawEtchedFrame(QPainter& painter, const QRect& frame, const QPalette& palette);

// The object name of a control's widget: "c<id>", or "row<n>" (template row
// n, counted from 1) for a control without an identifier.
QString ControlObjectName(const platform::Control& control, int row);

// Makes the widget for control at its template geometry, without content;
// the first mirror fills it.
QWidget* MakeControlWidget(const platform::Control& control, int row, const WindowFonts& fonts,
                           QWidget* parent);

// The width a control's widget takes, in pixels: the model's, except for the
// two bold unit boxes, whose longest texts ("Nm3/min", "sm3/min": 76 and
// 73 px in the bold result font) overrun the template's 72 px. They grow to
// the right into the free space before the group frame.
int WidgetWidth(const platform::Control& control);

// The geometry a control's widget takes: the model's position and height
// and WidgetWidth, except that a combo's model height includes its dropped
// list while the widget keeps its own.
QRect WidgetGeometry(const platform::Control& control, const QWidget& widget);

// Where a caret at position `caret` in `before` belongs once the text reads
// `after`: the text in front of the change and behind it keeps its caret
// where it was relative to that text; a caret inside the changed part
// goes to the change's end.
int CaretAfterRewrite(const QString& before, const QString& after, int caret);

// Copies control's state into widget, touching only what differs (so a box
// whose text did not change keeps its caret; one the model rewrote while
// the user types in it keeps the caret by CaretAfterRewrite), with the
// widget's signals blocked. shownFont is the role the widget shows; updated here.
void MirrorControl(const platform::Control& control, QWidget& widget, const WindowFonts& fonts,
                   platform::FontRole& shownFont);

}  // namespace tarnvik::qt
