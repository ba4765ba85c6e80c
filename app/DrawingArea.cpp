#include "app/DrawingArea.h"

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
  return double(width()) * kTwipsPerPixel / zoom_;
}

double DrawingArea::Height() const {
  return double(height()) * kTwipsPerPixel / zoom_;
}

int DrawingArea::Border() const {
  return int(std::lround(kBorder * zoom_));
}

int DrawingArea::DevicePixel(double twips) const {
  const double pixel = std::floor(twips * scale_ / kTwipsPerPixel);
  return int(std::clamp(pixel, -1.0e6, 1.0e6));
}

// The first drawing makes the image, at the scale the widget has then.
void DrawingArea::Clear() {
  const double ratio = devicePixelRatioF();
  const QSize interior = size() - 2 * QSize(Border(), Border());
  image_ = QImage(int(std::ceil(interior.width() * ratio)),
                  int(std::ceil(interior.height() * ratio)), QImage::Format_RGB32);
  image_.fill(kWhite);
  image_.setDevicePixelRatio(ratio);
  scale_ = zoom_ * ratio;
  update();
}

void DrawingArea::SetZoom(double zoom) {
  zoom_ = zoom;
  Clear();
  redraw_();
}

void DrawingArea::FillRect(double x1, double y1, double x2, double y2, Rgb color) {
  if (image_.isNull()) {
    Clear();
  }
  const QRect rect =
      QRect(QPoint(DevicePixel(x1), DevicePixel(y1)), QPoint(DevicePixel(x2), DevicePixel(y2)))
          .intersected(image_.rect());
  const auto rgb = static_cast<QRgb>(color);  // 0xRRGGBB: alpha untouched by xor
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
    if (mode_ == DrawMode::Xor) {
      for (int x = rect.left(); x <= rect.right(); ++x) {
        line[x] ^= rgb;
      }
    } else {
      std::fill(line + rect.left(), line + rect.right() + 1, 0xFF000000u | rgb);
    }
  }
  const double ratio = image_.devicePixelRatio();
  const QRectF logical(rect.left() / ratio, rect.top() / ratio, rect.width() / ratio,
                       rect.height() / ratio);
  update(logical.toAlignedRect().translated(Border(), Border()));
}

// The area's font, hinted the same at every device pixel ratio: Qt picks the hinting of a font
// once, at the ratio it is first drawn at, and keeps it when the ratio changes.
QFont DrawingArea::LetterFont() const {
  QFont letters = font();
  letters.setHintingPreference(QFont::PreferVerticalHinting);
  return letters;
}

double DrawingArea::TextWidth(std::string_view text) const {
  return QFontMetricsF(LetterFont()).horizontalAdvance(FromUtf8(text)) * kTwipsPerPixel / zoom_;
}

double DrawingArea::TextHeight(std::string_view) const {
  return QFontMetricsF(LetterFont()).height() * kTwipsPerPixel / zoom_;
}

void DrawingArea::Print(std::string_view text) {
  if (image_.isNull()) {
    Clear();
  }
  QPainter painter(&image_);
  painter.setFont(LetterFont());  // in the painter's own black
  const QPointF topLeft(current_x_ * zoom_ / kTwipsPerPixel, current_y_ * zoom_ / kTwipsPerPixel);
  painter.drawText(topLeft + QPointF(0, QFontMetricsF(LetterFont()).ascent()), FromUtf8(text));
  update();
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
  if (zoom_ * devicePixelRatioF() != scale_) {
    SetZoom(zoom_);
  }
  // Only the part of the image that needs it, in whole device pixels, so that it is copied pixel
  // for pixel; and the frame only when it needs it: clipped away, it costs more than a ring.
  QPainter painter(this);
  painter.setClipRegion(event->region());
  const double ratio = image_.devicePixelRatio();
  const QRect dirty = event->rect().translated(-Border(), -Border());
  const QRect source =
      QRectF(QPointF(dirty.topLeft()) * ratio, QSizeF(dirty.size()) * ratio).toAlignedRect() &
      image_.rect();
  painter.drawImage(QPointF(source.topLeft()) / ratio + QPointF(Border(), Border()), image_,
                    source);
  const QRegion frame = Frame() & event->region();
  if (frame.isEmpty()) {
    return;
  }
  if (hasFocus()) {
    for (const QRect& strip : frame) {
      painter.fillRect(strip, palette().color(QPalette::Highlight));
    }
  } else {  // sunken: dark over light outside, shadow over midlight inside, each half the border
    const QPalette& p = palette();
    const QColor colours[2][2] = {{p.color(QPalette::Dark), p.color(QPalette::Light)},
                                  {p.color(QPalette::Shadow), p.color(QPalette::Midlight)}};
    const int outer = Border() / 2;
    for (int line = 0; line < 2; ++line) {
      const int inset = line * outer, thick = line == 0 ? outer : Border() - outer;
      const QRect r = rect().adjusted(inset, inset, -inset, -inset);
      painter.fillRect(r.left(), r.top(), r.width() - thick, thick, colours[line][0]);
      painter.fillRect(r.left(), r.top(), thick, r.height() - thick, colours[line][0]);
      painter.fillRect(r.left(), r.bottom() - thick + 1, r.width(), thick, colours[line][1]);
      painter.fillRect(r.right() - thick + 1, r.top(), thick, r.height(), colours[line][1]);
    }
  }
}

QRegion DrawingArea::Frame() const {
  const int border = Border();
  return QRegion(rect()) - QRegion(rect().adjusted(border, border, -border, -border));
}

#include "DrawingArea.moc"
