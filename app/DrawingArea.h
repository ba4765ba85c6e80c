#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <functional>

#include "board/Canvas.h"

// The board's drawing area. Everything drawn goes into a retained image kept at device pixels,
// and the widget repaints from that image, so covering the window never loses a ring.
//
// Twips map to pixels at 15 twips per logical pixel at zoom 1: twip coordinate x lies in device
// pixel floor(x * scale / 15), where scale is the zoom times the device pixel ratio. Equal twip
// rectangles therefore always cover equal pixel sets, which is what lets xor drawing undo itself.
//
// When the scale changes (the window moved to a screen of another ratio, the screen's scale
// changed, or the zoom), the image is cleared at the new scale and the owner's redraw function
// draws the board anew from what it knows; the image then equals a drawing made at that scale
// from the start, and xor erasing stays exact.
//
// The keyboard focus shows as the frame around the image (2 pixels at zoom 1) drawn in the
// palette's highlight colour; the image itself never changes with the focus.
class DrawingArea : public QWidget, public Canvas {
  Q_OBJECT

 public:
  static constexpr int kTwipsPerPixel = 15;
  static constexpr int kBorder = 2;  // sunken frame, logical pixels at zoom 1

  explicit DrawingArea(QWidget* parent = nullptr);

  // Outer size in twips, border included, as at zoom 1.
  double Width() const override;
  double Height() const override;
  void FillRect(double x1, double y1, double x2, double y2, Rgb color) override;
  void SetDrawMode(DrawMode mode) override { mode_ = mode; }
  // In the area's font, which the zoom scales; twips as at zoom 1.
  double TextWidth(std::string_view text) const override;
  double TextHeight(std::string_view text) const override;
  void SetCurrentX(double x) override { current_x_ = x; }
  void SetCurrentY(double y) override { current_y_ = y; }
  void Print(std::string_view text) override;

  // Logical pixels per 15 twips, 1 or more; the widget's geometry is the caller's. The board is
  // drawn anew at once.
  void SetZoom(double zoom);
  // Draws the board into a cleared image; called whenever the scale changes.
  void SetRedraw(std::function<void()> redraw) { redraw_ = std::move(redraw); }

  // The retained image of the interior, at device pixels.
  const QImage& Image() const { return image_; }
  // Device pixel holding twip coordinate `twips`.
  int DevicePixel(double twips) const;

  // Has screen readers speak `text` now, wherever the keyboard focus is: a notification object
  // inside the board takes the text as its name and is shown anew, which Orca speaks as it
  // appears. (A changed name or description is no use on Qt 6.4: its AT-SPI bridge sends the
  // object instead of the new text.) Empty text, or a hidden window, says nothing.
  void Announce(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int Border() const;
  QFont LetterFont() const;
  // A white image of the interior at the widget's device pixel ratio.
  void Clear();
  // The frame around the image, logical pixels.
  QRegion Frame() const;

  QImage image_;
  double zoom_ = 1.0;
  double scale_ = 1.0;  // device pixels per 15 twips in image_
  std::function<void()> redraw_ = [] {};
  DrawMode mode_ = DrawMode::Copy;
  double current_x_{};
  double current_y_{};
  QWidget* announcement_ = nullptr;
};
