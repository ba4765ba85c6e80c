#include "app/DrawingArea.h"

#include <qdrawutil.h>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <mutex>

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr Qt::GlobalColor kForeground = Qt::black;

// The board's spoken news: an empty, unfocusable widget whose accessible role is notification.
class Announcement : public QWidget {
  Q_OBJECT

 public:
  explicit Announcement(QWidget* parent) : QWidget(parent) {
    setObjectName("Announcement");
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
  }
};

QAccessibleInterface* AnnouncementFactory(const QString& key, QObject* object) {
  if (key == QLatin1String(Announcement::staticMetaObject.className())) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
  }
  return nullptr;
}

}  // namespace

DrawingArea::DrawingArea(QWidget* parent) : QWidget(parent) {
  static std::once_flag factory;
  std::call_once(factory, QAccessible::installFactory, AnnouncementFactory);
  setAttribute(Qt::WA_StaticContents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  announcement_ = new Announcement(this);
}

double DrawingArea::Width() const {
  return double(width()) * kTwipsPerPixel;
}

double DrawingArea::Height() const {
  return double(height()) * kTwipsPerPixel;
}

int DrawingArea::DevicePixel(double twips) const {
  const double pixel = std::floor(twips * ratio_ / kTwipsPerPixel);
  return int(std::clamp(pixel, -1.0e6, 1.0e6));
}

QRect DrawingArea::DeviceRect(double x1, double y1, double x2, double y2) const {
  const QRect rect(QPoint(DevicePixel(x1), DevicePixel(y1)),
                   QPoint(DevicePixel(x2), DevicePixel(y2)));
  return rect.intersected(image_.rect());
}

QSize DrawingArea::DeviceSize(double ratio) const {
  return QSize(int(std::ceil((width() - 2 * kBorder) * ratio)),
               int(std::ceil((height() - 2 * kBorder) * ratio)));
}

// The first drawing makes the image, at the ratio the widget has then.
void DrawingArea::EnsureImage() {
  if (image_.isNull()) {
    Redraw(devicePixelRatioF());
  }
}

void DrawingArea::Redraw(double ratio) {
  image_ = QImage(DeviceSize(ratio), QImage::Format_RGB32);  // not shared: drawn in place
  image_.fill(kWhite);
  image_.setDevicePixelRatio(ratio);
  ratio_ = ratio;
  for (const Operation& op : operations_) {
    Apply(op);
  }
  update();
}

void DrawingArea::Apply(const Operation& op) {
  if (!op.text.isEmpty()) {
    QPainter painter(&image_);
    painter.setFont(font());
    painter.setPen(kForeground);
    const QFontMetricsF metrics(font());
    const QPointF topLeft(op.x1 / kTwipsPerPixel, op.y1 / kTwipsPerPixel);
    painter.drawText(topLeft + QPointF(0, metrics.ascent()), op.text);
    return;
  }
  const QRect rect = DeviceRect(op.x1, op.y1, op.x2, op.y2);
  if (rect.isEmpty()) {
    return;
  }
  const auto rgb = static_cast<QRgb>(op.color);  // 0xRRGGBB: alpha untouched by xor
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
    if (op.mode == DrawMode::Xor) {
      for (int x = rect.left(); x <= rect.right(); ++x) {
        line[x] ^= rgb;
      }
    } else {
      std::fill(line + rect.left(), line + rect.right() + 1, 0xFF000000u | rgb);
    }
  }
}

void DrawingArea::FillRect(double x1, double y1, double x2, double y2, Rgb color) {
  EnsureImage();
  const Operation op{x1, y1, x2, y2, color, mode_, QString()};
  Apply(op);
  Record(op);
  const QRect rect = DeviceRect(x1, y1, x2, y2);
  const QRectF logical(rect.left() / ratio_, rect.top() / ratio_, rect.width() / ratio_,
                       rect.height() / ratio_);
  update(logical.toAlignedRect().translated(kBorder, kBorder));
}

double DrawingArea::TextWidth(std::string_view text) const {
  return QFontMetricsF(font()).horizontalAdvance(FromUtf8(text)) * kTwipsPerPixel;
}

double DrawingArea::TextHeight(std::string_view) const {
  return QFontMetricsF(font()).height() * kTwipsPerPixel;
}

void DrawingArea::Print(std::string_view text) {
  EnsureImage();
  const Operation op{current_x_, current_y_, 0, 0, 0, mode_, FromUtf8(text)};
  Apply(op);
  Record(op);
  update();
}

// Xor fills commute with one another, and the same xor fill twice is no fill at all, so such a
// pair with only xor fills between them is dropped: the record then holds what is on the board
// (towers, letters, the rings where they stand), not every move ever made.
void DrawingArea::Record(const Operation& op) {
  const auto is_xor_fill = [](const Operation& o) {
    return o.mode == DrawMode::Xor && o.text.isEmpty();
  };
  for (auto it = operations_.rbegin(); is_xor_fill(op) && it != operations_.rend(); ++it) {
    if (!is_xor_fill(*it)) {
      break;
    }
    if (it->x1 == op.x1 && it->y1 == op.y1 && it->x2 == op.x2 && it->y2 == op.y2 &&
        it->color == op.color) {
      operations_.erase(std::next(it).base());
      return;
    }
  }
  operations_.push_back(op);
}

void DrawingArea::Announce(const QString& text) {
  if (text.isEmpty()) {
    return;
  }
  announcement_->setAccessibleName(text);
  announcement_->hide();
  announcement_->show();
}

// Every change of the device pixel ratio repaints the whole window, so this is where a new
// ratio is met, whatever brought it: another screen, or a new scale on the same one.
void DrawingArea::paintEvent(QPaintEvent* event) {
  if (devicePixelRatioF() != ratio_) {
    Redraw(devicePixelRatioF());
  }
  QPainter painter(this);
  painter.setClipRegion(event->region());
  painter.drawImage(QPoint(kBorder, kBorder), image_);
  if (hasFocus()) {
    for (const QRect& strip : Frame()) {
      painter.fillRect(strip, palette().color(QPalette::Highlight));
    }
  } else {
    qDrawWinPanel(&painter, rect(), palette(), true);
  }
}

void DrawingArea::focusInEvent(QFocusEvent*) {
  update(Frame());
}

void DrawingArea::focusOutEvent(QFocusEvent*) {
  update(Frame());
}

QRegion DrawingArea::Frame() const {
  return QRegion(rect()) - QRegion(rect().adjusted(kBorder, kBorder, -kBorder, -kBorder));
}

#include "DrawingArea.moc"
