#include "ui/window/control_widgets.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "data/text.h"

namespace mc::window {

QString shownText(std::string_view cp1252) { return QString::fromStdString(cp1252ToUtf8(cp1252)); }
std::string typedText(const QString& text) { return utf8ToCp1252(text.toStdString()); }

QColor toQColor(int32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

int32_t fromQColor(const QColor& color) {
  return static_cast<int32_t>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

namespace {

// Relative luminance of a colour on the screen (sRGB), 0 black to 1 white.
double luminance(const QColor& c) {
  auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

}  // namespace

QColor readableOn(const QColor& background) {
  // The contrast ratio of each against the background: (L1 + 0.05) / (L2 + 0.05).
  const double l = luminance(background);
  return (1.05 / (l + 0.05)) > ((l + 0.05) / 0.05) ? QColor(Qt::white) : QColor(Qt::black);
}

void showCaption(QLabel* label, const QString& caption) {
  if (label->buddy()) {
    label->setText(caption);
    return;
  }
  QString shown;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  label->setText(shown);
}

void paintBackground(QWidget* widget, int32_t bgr) {
  QPalette palette = widget->palette();
  const QColor color = toQColor(bgr);
  const QColor text = readableOn(color);
  palette.setColor(QPalette::Window, color);
  palette.setColor(QPalette::Base, color);
  palette.setColor(QPalette::Button, color);
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::ButtonText, text);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
  emit pressed(event->button());
  event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  emit released(event->button());
  event->accept();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked();
  event->accept();
}

void RightCheckBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton && rect().contains(event->position().toPoint())) {
    emit rightReleased();
    event->accept();
    return;
  }
  QCheckBox::mouseReleaseEvent(event);
}

UpDownArrows::UpDownArrows(int minimum, int maximum, QWidget* parent)
    : QWidget(parent), min_(minimum), max_(maximum), value_(minimum) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  up_ = new QToolButton(this);
  down_ = new QToolButton(this);
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  for (QToolButton* b : {up_, down_}) {
    b->setFixedSize(18, 11);
    b->setAutoRepeat(true);
    layout->addWidget(b);
  }
  connect(up_, &QToolButton::clicked, this, [this] { step(1); });
  connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDownArrows::setValue(int value) { value_ = std::clamp(value, min_, max_); }

void UpDownArrows::step(int by) {
  const int next = std::clamp(value_ + by, min_, max_);
  if (next == value_) return;
  value_ = next;
  emit changed(value_);
}

void Overtype::install(QWidget* lineEdit) {
  static Overtype* filter = new Overtype(qApp);
  lineEdit->installEventFilter(filter);
}

bool Overtype::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* edit = qobject_cast<QLineEdit*>(watched);
  const auto* key = static_cast<QKeyEvent*>(event);
  if (!edit || key->text().isEmpty() || !key->text().at(0).isPrint()) return false;
  if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right || key->key() == Qt::Key_Backspace)
    return false;
  if (!edit->hasSelectedText() && edit->cursorPosition() < edit->text().size())
    edit->setSelection(edit->cursorPosition(), 1);
  return false;
}

}  // namespace mc::window
