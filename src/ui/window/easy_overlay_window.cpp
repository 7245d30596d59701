#include "ui/window/easy_overlay_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "data/text.h"
#include "printrun/scripted_dialogs.h"
#include "ui/control_reactions.h"
#include "ui/easy_overlay.h"
#include "ui/main_actions.h"
#include "ui/overlay_fields.h"
#include "ui/preflight.h"
#include "ui/window/control_widgets.h"
#include "ui/window/main_window.h"

namespace mc::window {

namespace {


struct ButtonSpec {
  int number;
  const char* caption;
  const char* tooltip;
};
constexpr ButtonSpec kButtons[] = {
    {1, "&Print ALL Tray Cards", ""},
    {3, "&Print Just", ""},
    {7, "Print One DLoc", "Click to Print Just One Dining Location"},
    {8, "Print One NUnit", "Click to Print One Nursing Unit"},
    {5, "Menu Day Picker", ""},
    {6, "&Print Backup PDF Cards", "Click to Print the PDF Backup Tray Cards Using Acrobat Reader"},
    {4, "&Advanced", ""},
    {2, "E&xit", ""},
};

}  // namespace

EasyOverlayWindow::EasyOverlayWindow(MainWindow& main)
    : QWidget(&main, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), main_(main) {
  setObjectName("Form2");
  auto* fields = new QGridLayout;
  struct FieldSpec {
    int n, labelNo;
    const char *label, *tooltip;
  };
  const FieldSpec specs[] = {
      {1, 2, "Meal Pattern", " To Print by Meal  BBB, LLL, SSS or BYM"},
      {15, 1, "Date on Card", " Date to Print on Tray Card in MM-DD-YY format"},
      {2, 3, "Begin Menu Day",
       " Beginning Menu Day Number to Print  ( This is the Cycle Day Number,  NOT the Calendar Month Day Number )"},
      {3, 4, "End Menu Day",
       "  Beginning Menu Day Number to Print  ( This is the Cycle Day Number,  NOT the Calendar Month Day Number )"},
  };
  int row = 0;
  for (const FieldSpec& f : specs) {
    QLineEdit* edit = field(f.n, f.label, f.labelNo, f.tooltip);
    fields->addWidget(label_[f.labelNo], row, 0, Qt::AlignLeft);
    fields->addWidget(edit, row, 1, Qt::AlignLeft);
    ++row;
  }

  fields->setColumnStretch(2, 1);
  auto* buttons = new QGridLayout;
  int i = 0;
  for (const ButtonSpec& b : kButtons) {
    auto* button = command_[b.number] = new QPushButton(QString::fromUtf8(b.caption));
    button->setObjectName(QString("Command%1").arg(b.number));
    button->setToolTip(QString::fromUtf8(b.tooltip));
    button->setMinimumHeight(30);
    buttons->addWidget(button, i / 2, i % 2);
    ++i;
  }
  check_ = new QPushButton(QStringLiteral("&Check"));
  check_->setObjectName("CommandCheck");
  check_->setToolTip(QStringLiteral(
      "What Print ALL Tray Cards would print, leave out and warn about; nothing is printed or saved"));
  check_->setMinimumHeight(30);
  buttons->addWidget(check_, (i + 1) / 2, 0, 1, 2);
  connect(check_, &QPushButton::clicked, this, &EasyOverlayWindow::check);

  Controller& c = main_.controller();
  auto wire = [this](int n, std::function<void()> action) {
    connect(command_[n], &QPushButton::clicked, this, [this, action] { main_.act(action); });
  };
  wire(1, [&c] { easy::Command1_Click(c); });
  wire(3, [&c] { easy::Command3_Click(c); });
  wire(2, [&c] { Command2_Click(c); });
  wire(4, [this, &c] {
    easy::Command4_Click(c);
    main_.show();
    main_.raise();
    main_.activateWindow();
  });
  wire(5, [this, &c] {
    easy::Command5_Click(c);
    raise();
  });
  wire(6, [&c] { easy::Command6_Click(c); });
  wire(7, [&c] { easy::Command7_Click(c); });
  wire(8, [&c] { easy::Command8_Click(c); });

  auto* root = new QVBoxLayout(this);
  root->addLayout(fields);
  root->addLayout(buttons);
  setMinimumWidth(460);
}

QLineEdit* EasyOverlayWindow::field(int n, const char* label, int labelNo, const char* tooltip) {
  auto* edit = text_[n] = new QLineEdit;
  edit->setObjectName(QString("Text%1").arg(n));
  edit->setToolTip(QString::fromUtf8(tooltip));
  edit->setFixedWidth(edit->fontMetrics().horizontalAdvance('0') * 11);
  label_[labelNo] = new QLabel(QString::fromUtf8(label));
  label_[labelNo]->setObjectName(QString("Label%1").arg(labelNo));
  Overtype::install(edit);
  edit->installEventFilter(this);
  Controller& c = main_.controller();
  connect(edit, &QLineEdit::textChanged, this, [this, n, &c](const QString& text) {
    if (refreshing_) return;
    EasyOverlayState& o = c.model.Overlay;
    std::string& target = n == 1 ? o.Text1 : n == 15 ? o.Text15 : n == 2 ? o.Text2 : o.Text3;
    target = typedText(text);
  });
  connect(edit, &QLineEdit::returnPressed, this, [this, n, &c] { main_.act([n, &c] { easy::Text_Commit(c, n, false); }); });
  return edit;
}

void EasyOverlayWindow::refresh() {
  const EasyOverlayState& o = main_.controller().model.Overlay;
  const SettingsModel& m = main_.controller().model;
  refreshing_ = true;
  setWindowTitle(shownText(o.Caption));
  // Wide enough for its caption, which says which facility and set print.
  setMinimumWidth(std::max(460, fontMetrics().horizontalAdvance(windowTitle()) + 60));
  command_[3]->setText(shownText(o.Command3Caption.empty() ? std::string("&Print Just") : o.Command3Caption));
  const std::pair<int, const std::string*> values[] = {{1, &o.Text1}, {15, &o.Text15}, {2, &o.Text2}, {3, &o.Text3}};
  for (auto [n, value] : values)
    if (text_[n]->text() != shownText(*value)) text_[n]->setText(shownText(*value));
  text_[1]->setVisible(o.MealOrderVisible);
  label_[2]->setVisible(o.MealOrderVisible);
  text_[15]->setVisible(o.DateVisible);
  label_[1]->setVisible(o.DateVisible);
  for (int n : {2, 3}) text_[n]->setVisible(o.DaysVisible);
  for (int n : {3, 4}) label_[n]->setVisible(o.DaysVisible);
  command_[5]->setVisible(o.DaysVisible);
  const int32_t labels = o.LabelBackColor > 0 ? o.LabelBackColor : handleColor(m, ColorHandle::Label11);
  const int32_t fields = o.FieldBackColor > 0 ? o.FieldBackColor : handleColor(m, ColorHandle::Text28);
  for (int n = 1; n <= 4; ++n) paintBackground(label_[n], labels);
  for (int n : {1, 15, 2, 3}) paintBackground(text_[n], fields);
  refreshing_ = false;

  if (o.Visible && !isVisible()) {
    if (!placed_ && main_.isVisible()) {
      adjustSize();
      move(main_.geometry().center() - rect().center());
      placed_ = true;
    }
    show();
    raise();
    command_[1]->setFocus();
  } else if (!o.Visible && isVisible()) {
    hide();
  }
}

void EasyOverlayWindow::check() {
  Controller& c = main_.controller();
  if (c.running() || c.Ended) return;
  // The run's questions get the command line's answers (Yes, and each
  // input box its default, the card date the window shows), so the check
  // tells what the print would do as it stands. It is no action of the
  // window's: no printer is opened for it, and the model it leaves is the
  // one the window shows.
  ScriptedDialogs answers;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const PreflightReport report = Preflight(c, 0, answers);
  QApplication::restoreOverrideCursor();

  QStringList lines;
  for (const std::string& line : report.text()) lines << shownText(line);
  if (!report_) {
    report_ = new QDialog(this, Qt::Window);
    report_->setObjectName("CheckReport");
    reportText_ = new QPlainTextEdit;
    reportText_->setObjectName("CheckReportText");
    reportText_->setReadOnly(true);
    reportText_->setLineWrapMode(QPlainTextEdit::NoWrap);
    reportText_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(close, &QDialogButtonBox::rejected, report_, &QDialog::hide);
    auto* layout = new QVBoxLayout(report_);
    layout->addWidget(reportText_);
    layout->addWidget(close);
    const QFontMetrics metrics(reportText_->font());
    report_->resize(metrics.horizontalAdvance('0') * 100, metrics.lineSpacing() * 32);
  }
  report_->setWindowTitle(lines.value(0));
  reportText_->setPlainText(lines.join('\n'));
  report_->show();
  report_->raise();
  report_->activateWindow();
}

void EasyOverlayWindow::closeEvent(QCloseEvent* event) {
  main_.controller().model.Overlay.Visible = false;
  event->accept();
}

bool EasyOverlayWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && !refreshing_) {
    for (int n : {1, 15, 2, 3}) {
      if (watched != text_[n]) continue;
      Controller& c = main_.controller();
      main_.act([n, &c] { easy::Text_Commit(c, n, true); });
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace mc::window
