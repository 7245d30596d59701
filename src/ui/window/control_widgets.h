// The few widgets that Qt lacks in the form the window's controls need: a
// label that reports left, right and double clicks (dot labels, strips,
// Label1, Label11), a check box that reports the right button (Check3),
// an up-down pair of arrows (UpDown1..3), and overtype for text fields.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QObject>
#include <QWidget>
#include <cstdint>
#include <string>
#include <string_view>

class QToolButton;

namespace mc::window {

// Windows-1252 text, as the program holds it, on a widget and back.
QString shownText(std::string_view cp1252);
std::string typedText(const QString& text);

// 0x00BBGGRR, as the settings file holds colours, to and from Qt.
QColor toQColor(int32_t bgr);
int32_t fromQColor(const QColor& color);
// Paints the widget's background (and a text field's base) in a colour,
// with its text in black or white, whichever reads better on it: the
// settings give only the background, and a dark one must not swallow
// dark text.
void paintBackground(QWidget* widget, int32_t bgr);
// Black or white, whichever contrasts more with the colour.
QColor readableOn(const QColor& background);
// A caption as a label shows it: with a buddy its "&" marks the Alt key;
// without one the "&" is dropped ("&&" stays one "&"), as no key goes with it.
void showCaption(QLabel* label, const QString& caption);

class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 signals:
  void pressed(Qt::MouseButton button);
  void released(Qt::MouseButton button);
  void doubleClicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

class RightCheckBox : public QCheckBox {
  Q_OBJECT
 public:
  using QCheckBox::QCheckBox;
 signals:
  void rightReleased();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

class UpDownArrows : public QWidget {
  Q_OBJECT
 public:
  UpDownArrows(int minimum, int maximum, QWidget* parent = nullptr);
  int value() const { return value_; }
  // Sets the value without reporting a change.
  void setValue(int value);
  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }
 signals:
  void changed(int value);

 private:
  void step(int by);
  int min_, max_, value_;
  QToolButton* up_;
  QToolButton* down_;
};

// Typing replaces the character after the caret instead of inserting:
// every key but Left, Right and Backspace first selects that character.
class Overtype : public QObject {
 public:
  using QObject::QObject;
  static void install(QWidget* lineEdit);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace mc::window
