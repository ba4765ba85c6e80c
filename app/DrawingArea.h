#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QWidget>

#include "board/Canvas.h"

// The board's drawing area. Everything drawn goes into a retained image kept at device pixels,
// and the widget repaints from that image, so covering the window never loses a ring.
//
// Twips map to pixels at 15 twips per logical pixel: twip coordinate x lies in device pixel
// floor(x * ratio / 15), where ratio is the device pixel ratio. Equal twip rectangles therefore
// always cover equal pixel sets, which is what lets xor drawing undo itself.
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

  // The retained image of the interior, at device pixels.
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
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void EnsureImage();
  // The frame around the image, logical pixels.
  QRegion Frame() const;

  QImage image_;
  double ratio_ = 1.0;
  DrawMode mode_ = DrawMode::Copy;
  double current_x_ = 0.0;
  double current_y_ = 0.0;
  QWidget* announcement_ = nullptr;
};
