#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <vector>

#include "board/Canvas.h"

// The board's drawing area. Everything drawn goes into a retained image kept at device pixels,
// and the widget repaints from that image, so covering the window never loses a ring.
//
// Twips map to pixels at 15 twips per logical pixel: twip coordinate x lies in device pixel
// floor(x * ratio / 15), where ratio is the device pixel ratio of the image. Equal twip
// rectangles therefore always cover equal pixel sets, which is what lets xor drawing undo itself.
//
// Every drawing operation is also kept, in order, so that when the widget's device pixel ratio
// changes (the window moved to another screen, or the screen's scale changed) the image is drawn
// anew at the new ratio: it then equals a drawing made at that ratio from the start, and xor
// erasing stays exact. An xor fill and its erasure cancel in the record, which therefore stays
// as small as what the board shows.
//
// The keyboard focus shows as the 2-pixel frame around the image drawn in the palette's
// highlight colour; the image itself never changes with the focus.
class DrawingArea : public QWidget, public Canvas {
  Q_OBJECT

 public:
  static constexpr int kTwipsPerPixel = 15;
  static constexpr int kBorder = 2;  // sunken frame, logical pixels

  explicit DrawingArea(QWidget* parent = nullptr);

  double Width() const override;
  double Height() const override;
  void FillRect(double x1, double y1, double x2, double y2, Rgb color) override;
  void SetDrawMode(DrawMode mode) override { mode_ = mode; }
  double TextWidth(std::string_view text) const override;
  double TextHeight(std::string_view text) const override;
  void SetCurrentX(double x) override { current_x_ = x; }
  void SetCurrentY(double y) override { current_y_ = y; }
  void Print(std::string_view text) override;

  // The retained image of the interior, at device pixels. After a change of the device pixel
  // ratio it is redrawn by the next paint.
  const QImage& Image() const { return image_; }
  DrawMode Mode() const { return mode_; }
  // Device pixel holding twip coordinate `twips`.
  int DevicePixel(double twips) const;
  // Device pixels covered by the inclusive twip rectangle, clipped to nothing.
  QRect DeviceRect(double x1, double y1, double x2, double y2) const;

  // Has screen readers speak `text` now, wherever the keyboard focus is: a notification object
  // inside the board takes the text as its name and is shown anew, which Orca speaks as it
  // appears. (A changed name or description is no use on Qt 6.4: its AT-SPI bridge sends the
  // object instead of the new text.) Empty text, or a hidden window, says nothing.
  void Announce(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // One drawing operation as the board asked for it, twips; text is empty for a fill.
  struct Operation {
    double x1, y1, x2, y2;
    Rgb color;
    DrawMode mode;
    QString text;
  };

  // The interior's size in device pixels at `ratio`; the area keeps the size it has when it
  // first draws.
  QSize DeviceSize(double ratio) const;
  void EnsureImage();
  // Draws every kept operation, in order, into a fresh white image at `ratio`.
  void Redraw(double ratio);
  void Apply(const Operation& op);
  // Adds `op` to the kept operations.
  void Record(const Operation& op);
  // The frame around the image, logical pixels.
  QRegion Frame() const;

  QImage image_;
  double ratio_ = 1.0;
  std::vector<Operation> operations_;
  DrawMode mode_ = DrawMode::Copy;
  double current_x_{};
  double current_y_{};
  QWidget* announcement_ = nullptr;
};
