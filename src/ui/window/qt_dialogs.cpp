#include "ui/window/qt_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "data/text.h"
#include "ui/window/control_widgets.h"

namespace mc::window {

namespace {

// The boxes break lines themselves; a CR LF of the program's texts is one break.
QString shown(std::string_view cp1252) { return shownText(cp1252).replace("\r\n", "\n"); }

QWidget* owner() { return QApplication::activeWindow(); }

}  // namespace

Answer QtDialogs::message(std::string_view text, Buttons buttons, std::string_view title) {
  QMessageBox box(owner());
  box.setWindowTitle(shown(title));
  box.setText(shown(text));
  switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  box.setIcon(buttons == Buttons::Ok ? QMessageBox::NoIcon : QMessageBox::Question);
  switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
  }
}

std::optional<std::string> QtDialogs::input(std::string_view prompt, std::string_view title,
                                            std::string_view defaultAnswer) {
  QInputDialog box(owner());
  box.setWindowTitle(shown(title));
  box.setLabelText(shown(prompt));
  box.setTextValue(shown(defaultAnswer));
  if (box.exec() != QDialog::Accepted || box.textValue().isEmpty()) return std::nullopt;
  return typedText(box.textValue());
}

std::optional<int32_t> QtDialogs::color(int32_t initial) {
  const QColor chosen = QColorDialog::getColor(toQColor(initial), owner());
  if (!chosen.isValid()) return std::nullopt;
  return fromQColor(chosen);
}

}  // namespace mc::window
