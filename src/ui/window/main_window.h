// The main window (Form1): every settings control in its group, the preview
// Picture1 drawn by the renderer, and the buttons. The window holds no rule
// of its own: a control's new value goes into the settings model, the
// controller's action for the event runs, and the window shows the model
// again (refresh). It is also the print run's window: it shows the run's
// caption, keeps its events flowing and waits for "Next Res".
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "printrun/run_hooks.h"
#include "ui/controller.h"
#include "ui/window/control_table.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace mc {
class QtSurface;
}

namespace mc::window {

class ClickLabel;
class EasyOverlayWindow;
class RightCheckBox;
class UpDownArrows;

class MainWindow : public QWidget {
  Q_OBJECT
 public:
  // The controller's screen must be `screen`; the window becomes the
  // controller's run hooks.
  MainWindow(Controller& c, QtSurface& screen, QWidget* parent = nullptr);
  ~MainWindow() override;

  Controller& controller() { return c_; }
  EasyOverlayWindow& overlay() { return *overlay_; }

  // Shows the model: the controls, captions, colours, the preview and the
  // overlay.
  void refresh();
  // Runs an action of the controller, then shows the model; announces the
  // end of the program when the action ended it.
  void act(const std::function<void()>& action);

  // Whether the window saves the settings when the program loses the
  // focus (not while it only takes its own pictures).
  bool saveWhenLeft = true;

  // The preview as shown in Picture1.
  QImage previewImage() const;

 signals:
  // The program has ended (Exit, Escape, a run over several residents).
  void ended();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class Hooks;

  QWidget* makeControl(const ControlSpec& entry);
  QWidget* makeGroup(Group group, int columns);
  QScrollArea* makePreview();
  QScrollArea* makeSettingsSide();
  // Connects a control to its event procedure; one function per kind.
  void wire(const ControlSpec& entry);
  void wireText(int n);
  void wireCheck(int n);
  void wireOption(int n);
  void wireLabel(int n);
  void wireCommand(int n);
  void applyColors();
  void showPreview();

  Controller& c_;
  QtSurface& screen_;
  std::unique_ptr<Hooks> hooks_;
  EasyOverlayWindow* overlay_ = nullptr;
  std::array<QLineEdit*, 37> text_{};
  std::array<RightCheckBox*, 44> check_{};
  std::array<QRadioButton*, 7> option_{};
  std::array<ClickLabel*, 22> label_{};
  std::array<QPushButton*, 20> command_{};
  std::array<UpDownArrows*, 4> upDown_{};
  std::vector<QWidget*> textCaptions_;
  QComboBox* combo1_ = nullptr;
  QListWidget* list2_ = nullptr;
  QScrollArea* picture2_ = nullptr;
  QScrollArea* settingsSide_ = nullptr;
  QLabel* picture1_ = nullptr;
  bool refreshing_ = false;
  bool pressedWhileChosen_ = false;  // the option pressed was chosen already
  bool endAnnounced_ = false;
  bool waitingNextRes_ = false;
  bool iconSet_ = false;
};

}  // namespace mc::window
