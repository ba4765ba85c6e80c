#include "app/MainWindow.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QKeySequence>
#include <QShortcutEvent>
#include <mutex>

#include "board/Description.h"

namespace {

// Screen readers see the window as a window (a frame), not as a plain container.
QAccessibleInterface* WindowFactory(const QString& key, QObject* object) {
  if (key == QLatin1String(MainWindow::staticMetaObject.className())) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
  }
  return nullptr;
}

}  // namespace

MainWindow::MainWindow(Dialogs& dialogs, const Translator& texts, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), texts_(texts) {
  static std::once_flag factory;
  std::call_once(factory, QAccessible::installFactory, WindowFactory);
  setObjectName("frmMain");
  setWindowTitle(tr("Tower of Hanoi by Tandrovek"));
  // Decoding the icon loads Qt's image plugins (about 2.5 ms); done once the window is up. Each
  // size is drawn for its own pixel grid, so title bar and task switcher each get a sharp one.
  QTimer::singleShot(0, this, [this] {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
      icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/com.example.Hanoi.png").arg(size),
                   QSize(size, size));
    }
    setWindowIcon(icon);
  });
  setFixedSize(kClientWidth, kClientHeight);
  // A fixed-size window: no maximize button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);

  // Pic: 150, 180, 8070 x 4095 twips.
  pic_->setObjectName("Pic");
  pic_->setGeometry(10, 12, 538, 273);
  //: The board's name for screen readers.
  pic_->setAccessibleName(tr("Tower of Hanoi board"));

  cmd_auto_->setEnabled(false);
  cmd_auto_->setDefault(true);
  cmd_solve_->setEnabled(false);

  timer1_.setObjectName("Timer1");
  timer1_.setInterval(500);
  timer1_.setTimerType(Qt::PreciseTimer);  // automatic play keeps time over hundreds of moves

  setTabOrder(pic_, cmd_solve_);
  setTabOrder(cmd_solve_, cmd_initialize_);
  setTabOrder(cmd_initialize_, cmd_done_);
  setTabOrder(cmd_done_, cmd_auto_);
  setTabOrder(cmd_auto_, command1_);
  pic_->setFocus();

  for (QPushButton* button : {cmd_solve_, cmd_auto_, cmd_initialize_, command1_, cmd_done_}) {
    button->installEventFilter(this);
  }

  connect(cmd_solve_, &QPushButton::clicked, this, [this] { commands_.SolveClick(); });
  connect(cmd_auto_, &QPushButton::clicked, this, [this] { commands_.AutoClick(); });
  connect(cmd_initialize_, &QPushButton::clicked, this, [this] { commands_.InitializeClick(); });
  connect(command1_, &QPushButton::clicked, this, [this] { commands_.SpeedClick(); });
  connect(cmd_done_, &QPushButton::clicked, this, [this] { commands_.AboutClick(); });
  connect(&timer1_, &QTimer::timeout, this, [this] { commands_.TimerTick(); });

  // Window load.
  board_.InitGraphics();
  board_.DrawTower(1);
  board_.DrawTower(2);
  board_.DrawTower(3);
  BoardChanged();
}

QPushButton* MainWindow::MakeButton(const char* name, const QString& caption, int left) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  // Top 4440, 1455 x 615 twips.
  const bool mirrored = layoutDirection() == Qt::RightToLeft;
  button->setGeometry(mirrored ? kClientWidth - left - 97 : left, 296, 97, 41);
  return button;
}

QPushButton* MainWindow::ButtonOf(Button button) const {
  switch (button) {
    case Button::Solve:
      return cmd_solve_;
    case Button::Auto:
      return cmd_auto_;
    case Button::Initialize:
      return cmd_initialize_;
    case Button::Speed:
      return command1_;
    case Button::About:
      return cmd_done_;
  }
  return cmd_done_;
}

void MainWindow::SetCaption(Button button, std::string_view caption) {
  ButtonOf(button)->setText(QString::fromUtf8(caption.data(), qsizetype(caption.size())));
}

std::string MainWindow::Caption(Button button) const {
  return ButtonOf(button)->text().toStdString();
}

// A button that loses the keyboard focus by being disabled hands it to what the user needs next:
// Initialize to Solve, the last Next to the board, which then describes the solved puzzle.
void MainWindow::SetEnabled(Button button, bool enabled) {
  QPushButton* target = ButtonOf(button);
  const bool focused = focusWidget() == target;
  target->setEnabled(enabled);
  if (focused && !enabled) {
    QWidget* next = pic_;
    if (button == Button::Initialize && cmd_solve_->isEnabled()) {
      next = cmd_solve_;
    }
    next->setFocus(Qt::OtherFocusReason);
  }
}

bool MainWindow::IsEnabled(Button button) const {
  return ButtonOf(button)->isEnabled();
}

// The timer ticks while it has been started and its interval is positive; QTimer itself would
// treat 0 as "as often as possible", so interval 0 stops it until a positive interval comes.
void MainWindow::StartTimer() {
  timer_started_ = true;
  if (timer1_.interval() > 0 && !timer1_.isActive()) {
    timer1_.start();  // a second start leaves a running count-down alone
  }
}

void MainWindow::SetTimerInterval(std::int32_t milliseconds) {
  timer1_.setInterval(std::max(0, milliseconds));  // restarts a running count-down
  if (milliseconds <= 0) {
    timer1_.stop();
  } else if (timer_started_ && !timer1_.isActive()) {
    timer1_.start();
  }
}

void MainWindow::CloseWindow() {
  if (!closing_) {
    close();
  }
}

void MainWindow::BoardChanged() {
  const QString text = QString::fromStdString(DescribeBoard(state_, texts_));
  pic_->setAccessibleDescription(text);
  pic_->setToolTip(text);
  pic_->Announce(QString::fromStdString(narrator_.Update(state_, texts_)));
}

bool MainWindow::DispatchUntil(const std::function<bool()>& done) {
  BoardChanged();
  while (!closing_) {
    if (done()) {
      return true;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
  return false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  closing_ = true;
  timer1_.stop();
  event->accept();
  // Ends the program even while the solver waits inside a click handler: every event loop,
  // nested ones included, is told to return.
  QCoreApplication::exit(0);
}

// Enter presses the button that has the focus, or else Auto Solve, the default button, while it
// is enabled; Escape presses About, the cancel button.
void MainWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
      auto* focused = qobject_cast<QPushButton*>(focusWidget());
      QPushButton* target = focused && focused->isEnabled() ? focused : cmd_auto_;
      if (target->isEnabled()) {
        target->click();
      }
      return;
    }
    case Qt::Key_Escape:
      cmd_done_->click();
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

// Access keys click their button at once: Qt's own delayed click would fire from a timer, inside
// whatever box another click had opened meanwhile. Where captions share a key, as S (Solve, Speed)
// and A (Auto Solve, About) do in English, the first enabled button of those sharing it in the
// row's reading order answers (the leftmost, or the rightmost right to left): Alt+S is Solve
// until the button reads Next (Alt+N), and Alt+A is Auto Solve while it is enabled.
QPushButton* MainWindow::AccessKeyTarget(const QPushButton* pressed) const {
  const QKeySequence key = QKeySequence::mnemonic(pressed->text());
  for (QPushButton* button : {cmd_solve_, cmd_auto_, cmd_initialize_, command1_, cmd_done_}) {
    if (button->isEnabled() && QKeySequence::mnemonic(button->text()) == key) {
      return button;
    }
  }
  return nullptr;
}

// Qt 6.4 on X11 keeps a window's size in device pixels when it moves to a screen of another
// device pixel ratio, which would show a quarter (or four times) of the window there; the size
// in logical pixels is put back once the move has been handled.
bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::ScreenChangeInternal) {
    QMetaObject::invokeMethod(
        this, [this, keep = size()] { resize(keep); }, Qt::QueuedConnection);
  }
  return QWidget::event(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Shortcut) {
    if (QPushButton* target = AccessKeyTarget(static_cast<QPushButton*>(watched))) {
      target->click();
    }
    return true;
  }
  return QWidget::eventFilter(watched, event);
}
