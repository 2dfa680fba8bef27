#include "control_widgets.h"

#include <qdrawutil.h>

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSignalBlocker>
#include <algorithm>

#include "core/control_ids.h"
#include "undo_bound.h"

namespace tarnvik::qt {

using platform::Control;
using platform::ControlKind;

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The one output box with a border (the profile factor).
bool HasBorder(const Control& c) {
    return c.kind == ControlKind::InputBox || c.id == id::kProfileFactor;
}

// Widths in dialog units of the controls that are wider than the template.
struct Widened {
    int id;
    int width;
};
constexpr Widened kWidened[] = {{id::kMaxFlowUnit, 60}, {id::kMinFlowUnit, 60}};

QWidget* MakeEdit(const Control& c, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setFrame(HasBorder(c));
    // Borderless boxes are the result area's: their text stands at the top,
    // level with the captions beside them, as on the template's platform.
    if (!HasBorder(c)) edit->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (c.kind == ControlKind::InputBox) UndoBound::Attach(*edit);
    if (c.kind == ControlKind::OutputBox) {
        edit->setReadOnly(true);
        // A read-only box shows the dialog's face, as on the template's
        // platform; only input boxes are white.
        QPalette palette = edit->palette();
        palette.setBrush(QPalette::Base, palette.brush(QPalette::Window));
        edit->setPalette(palette);
    }
    return edit;
}

QWidget* MakeLabel(const Control& c, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (c.id == id::kStatusLine) {
        // OnCtlColor: the status line draws its text in red.
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
        label->setPalette(palette);
    }
    return label;
}

QWidget* MakeLine(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);  // etched
    return line;
}

bool SameItems(const QComboBox& combo, const std::vector<std::string>& items) {
    if (combo.count() != static_cast<int>(items.size())) return false;
    for (int i = 0; i < combo.count(); ++i)
        if (combo.itemText(i) != FromUtf8(items[static_cast<std::size_t>(i)])) return false;
    return true;
}

// The model rewrote the text of a box (the diameter box turns commas into
// points). A box the user is typing in keeps the caret where the user left
// it; elsewhere the caret goes to the end, as after any program write.
void SetEditText(QLineEdit& edit, const QString& text) {
    if (!edit.hasFocus()) {
        edit.setText(text);
        return;
    }
    const QString before = edit.text();
    const int caret = edit.cursorPosition();
    edit.setText(text);
    edit.setCursorPosition(CaretAfterRewrite(before, text, caret));
}

void MirrorCombo(const Control& c, QComboBox& combo) {
    if (!SameItems(combo, c.items)) {
        combo.clear();
        for (const std::string& item : c.items) combo.addItem(FromUtf8(item));
    }
    if (combo.currentIndex() != c.selection) combo.setCurrentIndex(c.selection);
}

}  // namespace

void DrawEtchedFrame(QPainter& painter, const QRect& r, const QPalette& palette) {
    if (painter.device()->devicePixelRatio() != 1 || r.width() < 6 || r.height() < 6) {
        qDrawShadeRect(&painter, r, palette, /*sunken=*/true, 1, 0);
        return;
    }
    const int x1 = r.left(), y1 = r.top(), x2 = r.right(), y2 = r.bottom();
    const QBrush dark = palette.dark(), light = palette.light();
    painter.fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y1)), dark);
    painter.fillRect(QRect(QPoint(x1, y2 - 1), QPoint(x2 - 1, y2 - 1)), dark);
    painter.fillRect(QRect(QPoint(x1, y1 + 1), QPoint(x1, y2 - 2)), dark);
    painter.fillRect(QRect(QPoint(x2 - 1, y1 + 1), QPoint(x2 - 1, y2 - 2)), dark);
    painter.fillRect(QRect(QPoint(x1 + 1, y1 + 1), QPoint(x2 - 2, y1 + 1)), light);
    painter.fillRect(QRect(QPoint(x1 + 1, y1 + 2), QPoint(x1 + 1, y2 - 2)), light);
    painter.fillRect(QRect(QPoint(x1, y2), QPoint(x2, y2)), light);
    painter.fillRect(QRect(QPoint(x2, y1), QPoint(x2, y2 - 1)), light);
}

void TemplateGroupBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics fm(font());
    // An etched frame: a dark line with a light one inside it. (The style's
    // group-box frame adds a caption margin of its own above the frame.)
    const QRect frame = rect().adjusted(0, fm.height() / 2, 0, 0);
    DrawEtchedFrame(painter, frame, palette());
    if (title().isEmpty()) return;
    constexpr int kIndent = 7, kPad = 2;
    const QRect caption(kIndent, 0, fm.horizontalAdvance(title()) + 2 * kPad, fm.height());
    painter.fillRect(caption, palette().brush(QPalette::Window));
    style()->drawItemText(&painter, caption, Qt::AlignCenter, palette(), isEnabled(), title(),
                          QPalette::WindowText);
}

ModelRadio::ModelRadio(QWidget* parent) : QRadioButton(parent) {
    setAutoExclusive(false);
}

QString ControlObjectName(const Control& control, int row) {
    return control.id == platform::kNoId ? QStringLiteral("row%1").arg(row)
                                         : QStringLiteral("c%1").arg(control.id);
}

QWidget* MakeControlWidget(const Control& c, int row, const WindowFonts& fonts, QWidget* parent) {
    QWidget* w = nullptr;
    switch (c.kind) {
        case ControlKind::Label:
            w = MakeLabel(c, parent);
            break;
        case ControlKind::Line:
            w = MakeLine(parent);
            break;
        case ControlKind::GroupBox:
            w = new TemplateGroupBox(parent);
            break;
        case ControlKind::InputBox:
        case ControlKind::OutputBox:
            w = MakeEdit(c, parent);
            break;
        case ControlKind::Combo: {
            auto* combo = new QComboBox(parent);
            combo->setEditable(false);
            w = combo;
            break;
        }
        case ControlKind::Radio:
            w = new ModelRadio(parent);
            break;
    }
    w->setObjectName(ControlObjectName(c, row));
    // Every widget inherits the window's dialog font; setting it again on
    // each would cost a font resolution and a text layout per widget.
    if (c.font != platform::FontRole::Dialog) w->setFont(fonts.For(c.font));

    // Labels, frames and rules take no mouse input, so the controls they
    // overlap (the radios inside a group box) get every click.
    const bool decoration = c.kind == ControlKind::Label || c.kind == ControlKind::Line ||
                            c.kind == ControlKind::GroupBox;
    if (decoration) w->setAttribute(Qt::WA_TransparentForMouseEvents);

    // Tab stops are the template's; radios (none marked) take focus by click.
    if (c.row && c.row->tab)
        w->setFocusPolicy(Qt::StrongFocus);
    else if (c.kind == ControlKind::Radio)
        w->setFocusPolicy(Qt::ClickFocus);
    else
        w->setFocusPolicy(Qt::NoFocus);

    if (c.kind == ControlKind::Combo) {
        auto* combo = static_cast<QComboBox*>(w);
        // The template's height is that of the dropped list.
        const int closed = combo->sizeHint().height();
        const int itemHeight = combo->fontMetrics().height() + 4;
        combo->setMaxVisibleItems(std::max(1, (c.height - closed) / itemHeight));
        w->resize(c.width, closed);
    }
    w->setGeometry(WidgetGeometry(c, *w));
    return w;
}

int CaretAfterRewrite(const QString& before, const QString& after, int caret) {
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;  // unchanged in front
    while (head < shorter && before[head] == after[head]) ++head;
    qsizetype tail = 0;  // unchanged behind, not overlapping the front
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const qsizetype at = std::clamp<qsizetype>(caret, 0, before.size());
    qsizetype mapped;
    if (at <= head)
        mapped = at;
    else if (at >= before.size() - tail)
        mapped = at + (after.size() - before.size());
    else
        mapped = after.size() - tail;
    return static_cast<int>(mapped);
}

int WidgetWidth(const Control& c) {
    for (const Widened& w : kWidened)
        if (w.id == c.id) return std::max(c.width, platform::UnitsToPixelsX(w.width));
    return c.width;
}

QRect WidgetGeometry(const Control& c, const QWidget& widget) {
    const int height = c.kind == ControlKind::Combo ? widget.height() : c.height;
    return {c.x, c.y, WidgetWidth(c), height};
}

void MirrorControl(const Control& c, QWidget& w, const WindowFonts& fonts,
                   platform::FontRole& shownFont) {
    const QSignalBlocker blocker(&w);

    if (w.testAttribute(Qt::WA_Disabled) == c.enabled) w.setEnabled(c.enabled);
    const QRect geometry = WidgetGeometry(c, w);
    if (w.geometry() != geometry) w.setGeometry(geometry);
    if (shownFont != c.font) {
        w.setFont(fonts.For(c.font));
        shownFont = c.font;
    }

    const QString text = FromUtf8(c.text);
    switch (c.kind) {
        case ControlKind::Label: {
            auto& label = static_cast<QLabel&>(w);
            if (label.text() != text) label.setText(text);
            break;
        }
        case ControlKind::GroupBox: {
            auto& box = static_cast<QGroupBox&>(w);
            if (box.title() != text) box.setTitle(text);
            break;
        }
        case ControlKind::InputBox:
        case ControlKind::OutputBox: {
            auto& edit = static_cast<QLineEdit&>(w);
            if (edit.text() != text) SetEditText(edit, text);
            break;
        }
        case ControlKind::Combo:
            MirrorCombo(c, static_cast<QComboBox&>(w));
            break;
        case ControlKind::Radio: {
            auto& radio = static_cast<QRadioButton&>(w);
            if (radio.text() != text) radio.setText(text);
            if (radio.isChecked() != c.checked) radio.setChecked(c.checked);
            break;
        }
        case ControlKind::Line:
            break;
    }
}

}  // namespace tarnvik::qt
