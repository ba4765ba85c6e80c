#include "app/QtDialogs.h"

#include <QApplication>
#include <QEventLoop>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <memory>

namespace {

QString ToQString(std::string_view text) {
  QString result = QString::fromUtf8(text.data(), qsizetype(text.size()));
  result.replace(QLatin1String("\r\n"), QLatin1String("\n"));  // shown as one line break
  return result;
}

// Room for the title and the window manager's buttons beside it: a box as narrow as its shortest
// message ("Invalid time delay") would show its title cut short. The title bar's font is the
// desktop's; the box's own, which the main window's zoom scales, stands in for it.
int MinimumBoxWidth(const QWidget& box) {
  return QFontMetrics(box.font()).horizontalAdvance(box.windowTitle()) * 3 / 2 + 100;
}

}  // namespace

void QtDialogs::ShowMessage(std::string_view text, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                  tr("Tower of Hanoi"), ToQString(text), QMessageBox::Ok, parent_);
  box.setFont(parent_->font());
  // The message box sizes itself to its layout's minimum width: a row of that width below the rest.
  auto* grid = static_cast<QGridLayout*>(box.layout());
  grid->addItem(new QSpacerItem(MinimumBoxWidth(box), 0), grid->rowCount(), 0, 1,
                grid->columnCount());
  Run(box);
}

std::string QtDialogs::AskText(std::string_view prompt, std::string_view title) {
  QInputDialog box(parent_);
  box.setInputMode(QInputDialog::TextInput);
  box.setWindowTitle(title.empty() ? tr("Tower of Hanoi") : ToQString(title));
  box.setLabelText(ToQString(prompt));
  box.setFont(parent_->font());
  // The box's layout, made when its size is first asked, sets its minimum size: a row of the width
  // below the rest.
  box.minimumSizeHint();
  box.layout()->addItem(new QSpacerItem(MinimumBoxWidth(box), 0));
  if (Run(box) != QDialog::Accepted) {
    return {};
  }
  return box.textValue().toStdString();
}

int QtDialogs::Run(QDialog& box) {
  const QPointer<QDialog> outer = open_;
  const bool outer_had_focus = open_had_focus_;
  open_ = &box;
  open_had_focus_ = false;
  QEventLoop loop;
  connect(&box, &QDialog::finished, &loop, &QEventLoop::quit);
  box.setWindowModality(Qt::NonModal);
  box.show();
  box.activateWindow();
  loop.exec();
  box.hide();
  open_ = outer;
  open_had_focus_ = outer_had_focus;
  // The keyboard focus goes back to what is below the box (a window closing takes none).
  (outer ? outer.data() : parent_->window())->activateWindow();
  return box.result();
}

bool QtDialogs::InMainWindow(QObject* object) const {
  const QWidget* main = parent_->window();
  if (object->isWidgetType()) {
    return static_cast<QWidget*>(object)->window() == main;
  }
  return object == main->windowHandle();
}

bool QtDialogs::eventFilter(QObject* watched, QEvent* event) {
  if (watched == open_ && event->type() == QEvent::WindowActivate) {
    open_had_focus_ = true;
  }
  if (!open_ || !InMainWindow(watched)) {
    return false;
  }
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      if (!open_had_focus_) {
        return true;
      }
      QWidget* target = open_->focusWidget() ? open_->focusWidget() : open_.data();
      const std::unique_ptr<QEvent> copy(event->clone());
      QCoreApplication::sendEvent(target, copy.get());
      return true;
    }
    case QEvent::ShortcutOverride:
      event->accept();  // no access key of the main window fires; the key comes as a KeyPress
      return true;
    case QEvent::WindowActivate:
      if (watched == parent_->window()) {
        QTimer::singleShot(0, open_.data(), [box = open_] {
          if (box && box->isVisible()) {
            box->raise();
            box->activateWindow();
          }
        });
      }
      return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::Shortcut:
      return true;
    default:
      return false;
  }
}
