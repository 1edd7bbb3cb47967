// Painting of ImageXZR: the start picture or the view image.
#include "turnsim/app/profile_image.h"

#include <QMouseEvent>
#include <QPainter>

#include "turnsim/app/start_picture.h"
#include "turnsim/app/view_profile.h"

namespace turnsim {

ProfileImage::ProfileImage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ImageXZR"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize ProfileImage::sizeHint() const {
  return {kViewWidth, kViewHeight};
}

void ProfileImage::SetStretch(bool stretch) {
  stretch_ = stretch;
  update();
}

void ProfileImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (stretch_ || image_.isNull()) {
    PaintStartPicture(painter, rect());
    return;
  }
  painter.fillRect(rect(), palette().window());
  const QPoint at((width() - image_.width()) / 2, (height() - image_.height()) / 2);
  painter.drawImage(at, image_);
}

// Moving the mouse over the view does nothing.
void ProfileImage::mouseMoveEvent(QMouseEvent* event) {
  event->ignore();
}

} // namespace turnsim
