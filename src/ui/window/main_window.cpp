#include "ui/window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "data/text.h"
#include "platform/qt_surface.h"
#include "printrun/diet_category.h"
#include "ui/control_reactions.h"
#include "ui/default_settings.h"
#include "ui/easy_overlay.h"
#include "ui/legends.h"
#include "ui/main_actions.h"
#include "ui/overlay_fields.h"
#include "ui/set_saving.h"
#include "ui/sibling_programs.h"
#include "ui/window/control_widgets.h"
#include "ui/window/easy_overlay_window.h"

namespace mc::window {

namespace {


// At most the screen's 96 dots to the inch, as the page would be drawn on
// Picture1; the surface draws it finer for the picture file.
constexpr double kPreviewScale = 96.0 / QtSurface::kScreenDpi;

// Characters a text field shows, by the length of what it holds.
int fieldChars(int n) {
  switch (n) {
    case 15: return 9;
    case 28: return 14;
    case 29: return 18;
    case 36: return 44;
    default: return 4;
  }
}

bool isSettingsButton(int n) { return n == 4 || (n >= 7 && n <= 11); }
int setOfButton(int n) { return n == 4 ? 1 : n - 5; }

}  // namespace

class MainWindow::Hooks : public RunHooks {
 public:
  explicit Hooks(MainWindow& w) : w_(w) {}
  // Only the captions: a run over hundreds of residents must not redraw
  // the whole window for each of them.
  void progress(const RunProgress& p) override {
    w_.setWindowTitle(shownText(p.caption));
    w_.overlay_->setWindowTitle(shownText(p.caption));
  }
  void processEvents() override { QCoreApplication::processEvents(); }
  void waitNextRes(const NextResPlace&) override {
    if (w_.c_.Ended) return;
    QEventLoop loop;
    auto* button = w_.command_[5];
    const auto go = QObject::connect(button, &QPushButton::clicked, &loop, &QEventLoop::quit);
    const auto end = QObject::connect(&w_, &MainWindow::ended, &loop, &QEventLoop::quit);
    w_.waitingNextRes_ = true;
    w_.refresh();
    loop.exec();
    w_.waitingNextRes_ = false;
    QObject::disconnect(go);
    QObject::disconnect(end);
    w_.refresh();
  }

 private:
  MainWindow& w_;
};

MainWindow::MainWindow(Controller& c, QtSurface& screen, QWidget* parent)
    : QWidget(parent), c_(c), screen_(screen), hooks_(std::make_unique<Hooks>(*this)) {
  setObjectName("Form1");
  c_.hooks = hooks_.get();

  // Above the preview: the resident shown and the buttons of every day.
  auto* top = new QHBoxLayout;
  for (const ControlSpec& entry : controls())
    if (entry.group == Group::Buttons) top->addWidget(makeControl(entry), entry.kind == Kind::Label ? 1 : 0);

  // Left: the preview with the dot and strip colours below it; right: every
  // setting, in a side that scrolls, so that the window fits a laptop's
  // screen without squashing a group or cutting a caption.
  auto* left = new QVBoxLayout;
  left->addLayout(top);
  left->addWidget(makePreview(), 1);
  left->addWidget(makeGroup(Group::DotsAndStrips, 7));

  auto* root = new QHBoxLayout(this);
  root->setContentsMargins(6, 6, 6, 6);
  root->addLayout(left, 1);
  root->addWidget(makeSettingsSide());

  for (const ControlSpec& entry : controls()) wire(entry);
  // The range captions name the fields beside them; their Alt keys go there.
  for (auto [label, field] : {std::pair{1, 1}, {3, 3}, {6, 5}, {8, 7}}) label_[label]->setBuddy(text_[field]);
  label_[21]->setBuddy(combo1_);

  overlay_ = new EasyOverlayWindow(*this);
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    if (state == Qt::ApplicationInactive && saveWhenLeft && !c_.Ended) Form_LostFocus(c_);
  });
  refresh();
}

// Picture1 in a scroll area (Picture2); a click or a scroll redraws it.
QScrollArea* MainWindow::makePreview() {
  picture2_ = new QScrollArea;
  picture2_->setObjectName("Picture2");
  picture1_ = new QLabel;
  picture1_->setObjectName("Picture1");
  picture1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture2_->setWidget(picture1_);
  picture2_->setWidgetResizable(false);
  picture2_->setMinimumSize(420, 260);
  picture2_->horizontalScrollBar()->setObjectName("HScroll1");
  picture2_->verticalScrollBar()->setObjectName("VScroll1");
  picture1_->installEventFilter(this);
  picture2_->viewport()->installEventFilter(this);
  for (QScrollBar* bar : {picture2_->horizontalScrollBar(), picture2_->verticalScrollBar()})
    connect(bar, &QScrollBar::actionTriggered, this, [this] { act([this] { Preview_Click(c_); }); });
  return picture2_;
}

QScrollArea* MainWindow::makeSettingsSide() {
  auto* settings = new QWidget;
  settings->setObjectName("SettingsSide");
  auto* right = new QVBoxLayout(settings);
  right->setContentsMargins(0, 0, 4, 0);
  // Rows of their own, so that a wide group beside a narrow one does not
  // widen the groups of the other rows.
  const auto row = [&](std::initializer_list<std::pair<Group, int>> groups) {
    auto* line = new QHBoxLayout;
    for (auto [group, columns] : groups) line->addWidget(makeGroup(group, columns));
    right->addLayout(line);
  };
  row({{Group::Ranges, 3}, {Group::CardKind, 2}});
  row({{Group::Selection, 2}, {Group::DatesAndOrder, 1}});
  row({{Group::Output, 1}});
  row({{Group::SettingsButtons, 4}});
  row({{Group::CardFeatures, 3}});
  row({{Group::PageGeometry, 3}});
  row({{Group::TrayByMeal, 2}, {Group::Fonts, 2}});
  row({{Group::AlfMenus, 3}});
  row({{Group::BarCode, 3}});
  row({{Group::Programs, 3}});
  right->addStretch(1);
  settingsSide_ = new QScrollArea;
  settingsSide_->setObjectName("SettingsScroll");
  settingsSide_->setWidget(settings);
  settingsSide_->setWidgetResizable(true);
  settingsSide_->setFrameShape(QFrame::NoFrame);
  settingsSide_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // As wide as its groups with the scroll bar beside them: the side scrolls
  // up and down, never sideways.
  settingsSide_->setMinimumWidth(settings->minimumSizeHint().width() +
                                 settingsSide_->verticalScrollBar()->sizeHint().width());
  settingsSide_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
  return settingsSide_;
}

MainWindow::~MainWindow() {
  if (c_.hooks == hooks_.get()) c_.hooks = nullptr;
}

QWidget* MainWindow::makeGroup(Group group, int columns) {
  auto* box = new QGroupBox(groupTitle(group));
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(2);
  int cell = 0;
  QHBoxLayout* lastText = nullptr;
  for (const ControlSpec& entry : controls()) {
    if (entry.group != group) continue;
    QWidget* w = makeControl(entry);
    // An up-down sits beside the field it steps.
    if (entry.kind == Kind::UpDown && lastText) {
      lastText->insertWidget(lastText->count() - 1, w);
      continue;
    }
    const bool wide = entry.kind == Kind::Text && fieldChars(entry.number) > 12;
    if (wide && cell % columns != 0) cell += columns - cell % columns;
    grid->addWidget(w, cell / columns, cell % columns, 1, wide ? columns : 1,
                    entry.kind == Kind::Combo || entry.kind == Kind::List ? Qt::Alignment() : Qt::AlignLeft);
    cell += wide ? columns : 1;
    lastText = entry.kind == Kind::Text ? static_cast<QHBoxLayout*>(w->layout()) : nullptr;
  }
  grid->setColumnStretch(columns, 1);
  return box;
}

QWidget* MainWindow::makeControl(const ControlSpec& entry) {
  const QString name = QString(kindName(entry.kind)) + QString::number(entry.number);
  const QString caption = QString::fromUtf8(entry.caption);
  QWidget* w = nullptr;
  QWidget* cell = nullptr;
  switch (entry.kind) {
    case Kind::Text: {
      auto* edit = new QLineEdit;
      edit->setFixedWidth(edit->fontMetrics().horizontalAdvance('0') * (fieldChars(entry.number) + 2) + 8);
      Overtype::install(edit);
      edit->installEventFilter(this);
      text_[entry.number] = edit;
      w = edit;
      cell = new QWidget;
      auto* row = new QHBoxLayout(cell);
      row->setContentsMargins(0, 0, 0, 0);
      row->setSpacing(3);
      if (!caption.isEmpty()) {
        auto* l = new QLabel(caption);
        l->setBuddy(edit);
        textCaptions_.push_back(l);
        row->addWidget(l);
      }
      row->addWidget(edit);
      row->addStretch(1);
      break;
    }
    case Kind::Check:
      w = check_[entry.number] = new RightCheckBox(caption);
      break;
    case Kind::Option:
      w = option_[entry.number] = new QRadioButton(caption);
      break;
    case Kind::Label: {
      auto* l = label_[entry.number] = new ClickLabel(caption);
      if (entry.group == Group::DotsAndStrips) {
        l->setAlignment(Qt::AlignCenter);
        l->setMinimumWidth(l->fontMetrics().horizontalAdvance("L.Fat/Chol") + 10);
        l->setFrameShape(QFrame::Box);
      }
      if (entry.number == 10) {
        QFont bold = l->font();
        bold.setBold(true);
        l->setFont(bold);
      }
      w = l;
      break;
    }
    case Kind::Command:
      w = command_[entry.number] = new QPushButton(caption);
      break;
    case Kind::Combo:
      w = combo1_ = new QComboBox;
      combo1_->setMinimumContentsLength(24);
      break;
    case Kind::List:
      w = list2_ = new QListWidget;
      for (const char* entry : kDietCategoryList) list2_->addItem(QString::fromLatin1(entry).trimmed());
      list2_->setFixedHeight(list2_->fontMetrics().height() * 5 + 8);
      list2_->setMinimumWidth(list2_->fontMetrics().horizontalAdvance("ALL Diets by Category") + 30);
      list2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      break;
    case Kind::UpDown:
      w = upDown_[entry.number] = new UpDownArrows(1, kUpDownMax[entry.number]);
      break;
  }
  w->setObjectName(name);
  w->setToolTip(QString::fromUtf8(entry.tooltip));
  return cell ? cell : w;
}

void MainWindow::wire(const ControlSpec& entry) {
  const int n = entry.number;
  switch (entry.kind) {
    case Kind::Text: wireText(n); break;
    case Kind::Check: wireCheck(n); break;
    case Kind::Option: wireOption(n); break;
    case Kind::Label: wireLabel(n); break;
    case Kind::Command: wireCommand(n); break;
    case Kind::Combo:
      connect(combo1_, &QComboBox::activated, this, [this](int index) { act([this, index] { Combo1_Click(c_, index); }); });
      break;
    case Kind::List:
      connect(list2_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!refreshing_) c_.model.List2 = row;
      });
      break;
    case Kind::UpDown:
      connect(upDown_[n], &UpDownArrows::changed, this, [this, n](int v) { act([this, n, v] { UpDown_Change(c_, n, v); }); });
      break;
  }
}

void MainWindow::wireText(int n) {
  QLineEdit* edit = text_[n];
  connect(edit, &QLineEdit::textChanged, this, [this, n, edit](const QString& text) {
    if (refreshing_) return;
    c_.model.Text[n] = typedText(text);
    if (n == 36) act([this] { Text36_Change(c_); });
  });
  connect(edit, &QLineEdit::returnPressed, this, [this, n] { act([this, n] { Text_KeyEnter(c_, n); }); });
  if (n == 28) edit->setContextMenuPolicy(Qt::NoContextMenu);
}

void MainWindow::wireCheck(int n) {
  RightCheckBox* box = check_[n];
  // Every change a person makes toggles the box, with the mouse, the
  // space bar or a screen reader's "toggle" alike; the window's own
  // refresh does not count.
  connect(box, &QCheckBox::toggled, this, [this, n](bool on) {
    if (refreshing_) return;
    c_.model.Check[n] = on ? 1 : 0;
    act([this, n] { Check_Click(c_, n); });
  });
  if (n == 3) connect(box, &RightCheckBox::rightReleased, this, [this] { act([this] { Check3_RightClick(c_); }); });
}

void MainWindow::wireOption(int n) {
  // Chosen by a click, a key or a screen reader (which only toggles);
  // a click on the option already chosen reacts too, though nothing
  // toggles.
  connect(option_[n], &QRadioButton::toggled, this, [this, n](bool on) {
    if (on && !refreshing_) act([this, n] { Option_Click(c_, n); });
  });
  connect(option_[n], &QRadioButton::pressed, this, [this, n] { pressedWhileChosen_ = option_[n]->isChecked(); });
  connect(option_[n], &QRadioButton::clicked, this, [this, n] {
    if (std::exchange(pressedWhileChosen_, false)) act([this, n] { Option_Click(c_, n); });
  });
}

void MainWindow::wireLabel(int n) {
  ClickLabel* l = label_[n];
  if (isDotLabel(n)) {
    connect(l, &ClickLabel::released, this, [this, n](Qt::MouseButton b) {
      act([this, n, b] { b == Qt::RightButton ? DotLabel_RightClick(c_, n) : DotLabel_Click(c_, n); });
    });
  } else if (n >= 13 && n <= 16) {
    connect(l, &ClickLabel::doubleClicked, this, [this, n] { act([this, n] { Strip_DblClick(c_, n); }); });
  } else if (n == 1) {
    connect(l, &ClickLabel::released, this, [this](Qt::MouseButton b) {
      if (b == Qt::RightButton) act([this] { Label1_RightClick(c_); });
    });
  } else if (n == 11) {
    connect(l, &ClickLabel::pressed, this, [this](Qt::MouseButton b) {
      act([this, b] { ColorHandle_MouseDown(c_, ColorHandle::Label11, b == Qt::RightButton); });
    });
  }
}

void MainWindow::wireCommand(int n) {
  QPushButton* b = command_[n];
  std::function<void()> click;
  if (isSettingsButton(n)) {
    connect(b, &QPushButton::pressed, this, [this] {
      SettingsButton_MouseDown(c_, QApplication::keyboardModifiers() & Qt::ControlModifier);
    });
    click = [this, n] { SettingsButton_Click(c_, setOfButton(n)); };
  } else {
    switch (n) {
      case 1:
        connect(b, &QPushButton::pressed, this, [this] { Command1_MouseDown(c_); });
        click = [this] { Command1_Click(c_); };
        break;
      case 2: click = [this] { Command2_Click(c_); }; break;
      case 3: click = [this] { Command3_Click(c_); }; break;
      case 6:
        click = [this] {
          Command6_Click(c_, [this](const std::filesystem::path& path) {
            return screen_.image().save(QString::fromStdString(path.string()), "BMP");
          });
        };
        break;
      case 12: click = [this] { Command12_Click(c_); }; break;
      case 13: click = [this] { Command13_Click(c_); }; break;
      case 14: click = [this] { Command14_Click(c_); }; break;
      case 15: click = [this] { Command15_Click(c_); }; break;
      case 16: click = [this] { Command16_Click(c_); }; break;
      case 17:
        click = [this] { Command17_Click(c_); };
        b->setContextMenuPolicy(Qt::NoContextMenu);
        // The right button starts the reset program; a push button
        // hears only the left one.
        b->installEventFilter(this);
        break;
      case 18: click = [this] { Command18_Click(c_); }; break;
      case 19: click = [this] { Command19_Click(c_); }; break;
      default: break;
    }
  }
  // "Next Res" only releases a waiting run.
  if (click) connect(b, &QPushButton::clicked, this, [this, click] { act(click); });
}

void MainWindow::act(const std::function<void()>& action) {
  if (c_.Ended) return;
  // A printer chosen in Combo1 is opened before the action that may print.
  // A printer that cannot be opened is named in the program run's report:
  // the window asks nothing here.
  static_cast<void>(c_.followSettingsPrinter());
  action();
  refresh();
  if (c_.Ended && !endAnnounced_) {
    endAnnounced_ = true;
    emit ended();
  }
}

void MainWindow::refresh() {
  SettingsModel& m = c_.model;
  refreshing_ = true;
  // Change events of the fields filled here are not the user's changes.
  m.LoadingGuard = -909;
  setWindowTitle(shownText(m.Caption));
  if (!iconSet_ && !c_.IconPath.empty()) {
    if (const auto icon = c_.drives.hostPath(c_.IconPath)) setWindowIcon(QIcon(QString::fromStdString(icon->string())));
    iconSet_ = true;
  }
  for (int n = 1; n <= 36; ++n) {
    QLineEdit* edit = text_[n];
    if (!edit || edit->text() == shownText(m.Text[n])) continue;
    // A field reloaded while it is typed in (the note saves at every key)
    // keeps its caret where the typing goes on.
    const int caret = edit->cursorPosition();
    edit->setText(shownText(m.Text[n]));
    edit->setCursorPosition(std::min(caret, static_cast<int>(edit->text().size())));
  }
  for (int n = 1; n <= 43; ++n)
    if (check_[n]) check_[n]->setChecked(m.Check[n] == 1);
  for (int n = 1; n <= 6; ++n)
    if (option_[n]) option_[n]->setChecked(m.Option[n]);
  for (int n = 1; n <= 21; ++n) {
    if (!label_[n] || n == 10) continue;
    showCaption(label_[n], shownText(m.Label[n].Caption));
    if (isDotLabel(n) || (n >= 13 && n <= 16)) paintBackground(label_[n], m.Label[n].BackColor);
  }
  label_[10]->setText(shownText(c_.resident.NameLine + " "));
  for (int n : {4, 7, 8, 9, 10, 11}) command_[n]->setText(shownText(m.SetButtonCaption[setOfButton(n)]));
  command_[5]->setVisible(c_.NextResVisible || waitingNextRes_);
  list2_->setCurrentRow(m.List2 >= 0 && m.List2 < list2_->count() ? m.List2 : -1);

  QStringList printers;
  if (m.NoPrinters || m.Printers.empty())
    printers << QString::fromStdString(m.Combo1Text.empty() ? "No Printers Installed" : m.Combo1Text);
  else
    for (const std::string& p : m.Printers) printers << QString::fromStdString(p);
  QStringList current;
  for (int i = 0; i < combo1_->count(); ++i) current << combo1_->itemText(i);
  if (current != printers) {
    combo1_->clear();
    combo1_->addItems(printers);
  }
  if (!m.NoPrinters && m.CurrentPrinter >= 0) combo1_->setCurrentIndex(m.CurrentPrinter);

  static constexpr int kUpDownField[4] = {0, 30, 31, 33};
  for (int n = 1; n <= 3; ++n) upDown_[n]->setValue(static_cast<int>(leadingNumber(m.Text[kUpDownField[n]])));
  applyColors();
  showPreview();
  overlay_->refresh();
  m.LoadingGuard = 0;
  refreshing_ = false;
}

void MainWindow::applyColors() {
  const SettingsModel& m = c_.model;
  paintBackground(this, handleColor(m, ColorHandle::Form));
  const int32_t first = handleColor(m, ColorHandle::Text28), second = handleColor(m, ColorHandle::Label11);
  for (const ControlSpec& entry : controls()) {
    if (entry.paint == Paint::None) continue;
    QWidget* w = findChild<QWidget*>(QString(kindName(entry.kind)) + QString::number(entry.number));
    if (w) paintBackground(w, entry.paint == Paint::First ? first : second);
  }
  // The settings buttons are the orange buttons the messages speak of.
  for (int n : {4, 7, 8, 9, 10, 11}) paintBackground(command_[n], kSecondColor);
}

void MainWindow::showPreview() {
  const QImage page = screen_.image();
  if (page.isNull()) return;
  // The page's whole width where the window leaves room for it; never
  // larger than the screen's own size of the page.
  const int room = picture2_->width() - picture2_->verticalScrollBar()->sizeHint().width() - 2 * picture2_->frameWidth();
  const double scale = std::clamp(room / static_cast<double>(page.width()), 0.4, kPreviewScale);
  const QSize size(qRound(page.width() * scale), qRound(page.height() * scale));
  picture1_->setPixmap(QPixmap::fromImage(page.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
  picture1_->resize(size);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  showPreview();
}

QImage MainWindow::previewImage() const { return screen_.image(); }

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    act([this] { Form_KeyEscape(c_); });
    return;
  }
  QWidget::keyPressEvent(event);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
  // Only the background itself: the window and the frames of its groups.
  QWidget* under = childAt(event->position().toPoint());
  if (under && !qobject_cast<QGroupBox*>(under)) return;
  act([this, right = event->button() == Qt::RightButton] { ColorHandle_MouseDown(c_, ColorHandle::Form, right); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!c_.Ended) act([this] { Command2_Click(c_); });
  if (c_.Ended) {
    overlay_->close();
    event->accept();
  } else {
    event->ignore();
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (watched == text_[28]) {
      act([this, right = mouse->button() == Qt::RightButton] {
        ColorHandle_MouseDown(c_, ColorHandle::Text28, right);
      });
    } else if (watched == picture1_ || watched == picture2_->viewport()) {
      act([this] { Preview_Click(c_); });
    }
  } else if (event->type() == QEvent::MouseButtonRelease && watched == command_[17]) {
    if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
      act([this] { Command17_MouseUp(c_, true); });
  } else if (event->type() == QEvent::FocusOut && !refreshing_) {
    for (int n = 1; n <= 36; ++n)
      if (watched == text_[n]) act([this, n] { Text_LostFocus(c_, n); });
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace mc::window
