#include "app/MainWindow.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QShortcutEvent>
#include <algorithm>
#include <cmath>
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

// Twips at zoom 1: the client area, the drawing area, and the buttons left to right (Solve, Auto
// Solve, Initialize, Speed, About).
constexpr int kClient[] = {8460, 5115};
constexpr int kPic[] = {150, 180, 8070, 4095};
constexpr int kButtonLefts[] = {120, 1800, 3480, 5160, 6840};
constexpr int kButton[] = {4440, 1455, 615};  // top, width, height

int Px(double twips, double zoom) {
  return int(std::lround(twips * zoom / DrawingArea::kTwipsPerPixel));
}

// A rectangle given in twips, in logical pixels at `zoom`, from `origin`. Edges are rounded, so
// neighbours stay as far apart as at zoom 1.
QRect Scaled(int left, int top, int width, int height, double zoom, QPoint origin) {
  const QPoint from(Px(left, zoom), Px(top, zoom));
  const QPoint to(Px(left + width, zoom), Px(top + height, zoom));
  return QRect(origin + from, origin + to - QPoint(1, 1));
}

// `font` `zoom` times as large, in points (a font sized in pixels is measured in points first).
QFont Scaled(QFont font, double zoom) {
  font.setPointSizeF(QFontInfo(font).pointSizeF() * zoom);
  return font;
}

// `widget`'s text in the font it inherits, or in the largest smaller one, by half points down to 5,
// in which it shows whole within `width`; below 5 points it would be unreadable, and is clipped.
void Fit(QWidget& widget, int width) {
  widget.setFont(QFont());
  QFont font = widget.font();
  for (double points = QFontInfo(font).pointSizeF();
       widget.sizeHint().width() > width && points > 5;) {
    font.setPointSizeF(points -= 0.5);
    widget.setFont(font);
  }
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
  // A fixed-size window: no maximize button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);

  pic_->setObjectName("Pic");
  //: The board's name for screen readers.
  pic_->setAccessibleName(tr("Tower of Hanoi board"));
  pic_->SetRedraw([this] { board_.Redraw(); });
  progress_->setAlignment(Qt::AlignCenter);
  progress_->hide();

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
  Layout(1.0, QPoint());
  setFixedSize(kClientWidth, kClientHeight);

  for (QPushButton* button : {cmd_solve_, cmd_auto_, cmd_initialize_, command1_, cmd_done_}) {
    button->installEventFilter(this);
  }
  connect(cmd_solve_, &QPushButton::clicked, this, [this] { commands_.SolveClick(); });
  connect(cmd_auto_, &QPushButton::clicked, this, [this] { commands_.AutoClick(); });
  connect(cmd_initialize_, &QPushButton::clicked, this, [this] { commands_.InitializeClick(); });
  connect(command1_, &QPushButton::clicked, this, [this] { commands_.SpeedClick(); });
  connect(cmd_done_, &QPushButton::clicked, this, [this] { commands_.AboutClick(); });
  connect(&timer1_, &QTimer::timeout, this, [this] { commands_.TimerTick(); });

  // Zoom and full screen, and a presenter's remote: its Page Down (or Right) is Next, and its
  // Page Up (or Left) does nothing, since the solution only goes forward; neither moves the focus.
  const auto next = [this] {
    if (state_.started) {
      cmd_solve_->click();
    }
  };
  // Qt's standard keys as the desktop binds them, and those that every desktop's users know.
  const auto with = [](QKeySequence::StandardKey standard, const QKeySequence& usual) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    if (!keys.contains(usual)) {
      keys << usual;
    }
    return keys;
  };
  const std::pair<QList<QKeySequence>, std::function<void()>> keys[] = {
      {with(QKeySequence::ZoomIn, Qt::CTRL | Qt::Key_Equal),
       [this] { SetZoom(zoom_ + kZoomStep); }},
      {with(QKeySequence::ZoomOut, Qt::CTRL | Qt::Key_Minus),
       [this] { SetZoom(zoom_ - kZoomStep); }},
      {{Qt::CTRL | Qt::Key_0}, [this] { SetZoom(1.0); }},
      {with(QKeySequence::FullScreen, Qt::Key_F11), [this] { SetFullScreen(!full_screen_); }},
      {{Qt::Key_PageDown, Qt::Key_Right}, next},
      {{Qt::Key_PageUp, Qt::Key_Left}, [] {}}};
  for (const auto& [sequences, action] : keys) {
    auto* shortcut = new QShortcut(this);
    shortcut->setKeys(sequences);
    connect(shortcut, &QShortcut::activated, this, action);
  }

  // Window load.
  board_.InitGraphics();
  board_.DrawTower(1);
  board_.DrawTower(2);
  board_.DrawTower(3);
  Refresh();
}

QPushButton* MainWindow::MakeButton(const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
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

void MainWindow::Layout(double zoom, QPoint origin) {
  if (zoom != shown_) {
    setFont(zoom == 1.0 ? QFont() : Scaled(QApplication::font(), zoom));
  }
  pic_->setGeometry(Scaled(kPic[0], kPic[1], kPic[2], kPic[3], zoom, origin));
  const bool mirrored = layoutDirection() == Qt::RightToLeft;
  for (int b = 0; b < 5; ++b) {
    const int left = mirrored ? kClient[0] - kButtonLefts[b] - kButton[1] : kButtonLefts[b];
    ButtonOf(Button(b))->setGeometry(
        Scaled(left, kButton[0], kButton[1], kButton[2], zoom, origin));
  }
  if (zoom != shown_) {
    shown_ = zoom;
    pic_->SetZoom(zoom);
  }
  FitCaptions();
}

void MainWindow::FitCaptions() {
  for (QPushButton* button : {cmd_solve_, cmd_auto_, cmd_initialize_, command1_, cmd_done_}) {
    Fit(*button, button->width());
  }
}

double MainWindow::LargestZoom(QSize room, bool line) const {
  double largest = 1.0;
  for (double zoom = largest + kZoomStep;; zoom += kZoomStep) {
    const int height = Px(kClient[1], zoom) +
                       (line ? QFontMetrics(Scaled(QApplication::font(), zoom)).height() : 0);
    if (Px(kClient[0], zoom) > room.width() || height > room.height()) {
      return largest;
    }
    largest = zoom;
  }
}

void MainWindow::SetZoom(double zoom) {
  const QSize frame = frameGeometry().size() - size();
  const double largest = LargestZoom(screen()->availableGeometry().size() - frame, false);
  zoom_ = std::clamp(std::round(zoom / kZoomStep) * kZoomStep, 1.0, largest);
  if (!full_screen_) {
    Layout(zoom_, QPoint());
    setFixedSize(Px(kClient[0], zoom_), Px(kClient[1], zoom_));
  }
}

// The window's own state follows the window system's answers, which come later: the state last
// asked for is kept here, so that F11 pressed again and again, however fast, toggles each time.
void MainWindow::SetFullScreen(bool on) {
  full_screen_ = on;
  if (on) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    showFullScreen();
  } else {
    showNormal();
  }
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange && !isFullScreen() && !full_screen_) {
    setFixedSize(Px(kClient[0], zoom_), Px(kClient[1], zoom_));
  }
  if (event->type() == QEvent::FontChange) {  // the desktop's font changed
    FitCaptions();
  }
  QWidget::changeEvent(event);
}

// Full screen: the content at the largest step that fits with the progress line beneath it, the
// two centred together.
void MainWindow::resizeEvent(QResizeEvent*) {
  if (!isFullScreen() || !full_screen_) {
    progress_->hide();
    Layout(zoom_, QPoint());
    return;
  }
  const double zoom = LargestZoom(size(), true);
  const QSize content(Px(kClient[0], zoom), Px(kClient[1], zoom));
  const int line = QFontMetrics(Scaled(QApplication::font(), zoom)).height();
  const QPoint origin((width() - content.width()) / 2, (height() - content.height() - line) / 2);
  Layout(zoom, origin);
  progress_->setGeometry(0, origin.y() + content.height(), width(), line);
  progress_->show();
  Fit(*progress_, width());
}

void MainWindow::SetCaption(Button button, std::string_view caption) {
  ButtonOf(button)->setText(QString::fromUtf8(caption.data(), qsizetype(caption.size())));
  FitCaptions();
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

void MainWindow::Refresh() {
  const QString text = QString::fromStdString(DescribeBoard(state_, texts_));
  pic_->setAccessibleDescription(text);
  pic_->setToolTip(text);
  const Solver::Call part = solver_.Part().value_or(Solver::Call{0, 0, 0});
  progress_->setText(
      QString::fromStdString(DescribeStep(state_, part.count, part.source, part.dest, texts_)));
  if (progress_->isVisible()) {
    Fit(*progress_, width());
  }
}

void MainWindow::Happened(const News& news) {
  Refresh();
  pic_->Announce(QString::fromStdString(Narrate(news, state_, texts_)));
}

bool MainWindow::DispatchUntil(const std::function<bool()>& done) {
  Refresh();
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
  if (event->type() == QEvent::ScreenChangeInternal && !full_screen_) {
    const QSize keep = size();
    const auto restore = [this, keep] { resize(keep); };
    QMetaObject::invokeMethod(this, restore, Qt::QueuedConnection);
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
