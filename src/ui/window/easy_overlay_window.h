// The Easy overlay (Form2): a small window in front of the main window with
// the everyday jobs. Its fields mirror the main window's through the
// settings model; its buttons run the controller's overlay actions.
#pragma once

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace mc::window {

class MainWindow;

class EasyOverlayWindow : public QWidget {
  Q_OBJECT
 public:
  explicit EasyOverlayWindow(MainWindow& main);
  // Shows the overlay's part of the model (called by the main window's refresh).
  void refresh();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* field(int n, const char* label, int labelNo, const char* tooltip);

  MainWindow& main_;
  std::array<QLineEdit*, 16> text_{};
  std::array<QLabel*, 5> label_{};
  std::array<QPushButton*, 9> command_{};
  bool refreshing_ = false;
  bool placed_ = false;
};

}  // namespace mc::window
