// ImageXZR, the view of the main window: the start picture stretched over the window until a
// model is opened, then the fixed 790 x 468 drawing surface of the profile view, centred.
#pragma once

#include <QImage>
#include <QWidget>

namespace turnsim {

class ProfileImage : public QWidget {
  Q_OBJECT

public:
  explicit ProfileImage(QWidget* parent = nullptr);

  QSize sizeHint() const override;

  // The drawing surface; an empty image while the start picture is shown.
  QImage& Image() { return image_; }
  const QImage& Image() const { return image_; }

  // True while the view follows the window's size (the start picture).
  bool Stretch() const { return stretch_; }
  // Stops stretching: from now on the image is shown at its own size, centred.
  void SetStretch(bool stretch);

  // Shows what was drawn into Image().
  void Changed() { update(); }

protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

private:
  QImage image_;
  bool stretch_ = true;
};

} // namespace turnsim
