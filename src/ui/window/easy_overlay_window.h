// The Easy overlay (Form2): a small window in front of the main window with
// the everyday jobs. Its fields mirror the main window's through the
// settings model; its buttons run the controller's overlay actions.
#pragma once

#include <QWidget>
#include <array>

class QDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace mc::window {

class MainWindow;

class EasyOverlayWindow : public QWidget {
  Q_OBJECT
 public:
  explicit EasyOverlayWindow(MainWindow& main);
  // Shows the overlay's part of the model (called by the main window's refresh).
  void refresh();
  // "Check": what Print ALL would print, leave out and warn about, shown in
  // a window of its own; nothing is printed, saved or asked.
  void check();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* field(int n, const char* label, int labelNo, const char* tooltip);

  MainWindow& main_;
  std::array<QLineEdit*, 16> text_{};
  std::array<QLabel*, 5> label_{};
  std::array<QPushButton*, 9> command_{};
  QPushButton* check_ = nullptr;
  QDialog* report_ = nullptr;
  QPlainTextEdit* reportText_ = nullptr;
  bool refreshing_ = false;
  bool placed_ = false;
};

}  // namespace mc::window
