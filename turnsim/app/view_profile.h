// The two drawings of the 2D view: the start view after a model is opened and the full view of
// part, tool, spindle, jaws or cones and axis after every cut step, with the zoom they share.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

#include "turnsim/app/view_colors.h"
#include "turnsim/simulation/simulation.h"

namespace turnsim {

// The fixed size of the view image once a model is open.
inline constexpr int kViewWidth = 790;
inline constexpr int kViewHeight = 468;

class ProfileView {
public:
  static constexpr float kStartScale = 2.0f;
  static constexpr float kZoomStep = 0.2f;
  static constexpr float kMaxScale = 5.0f;
  static constexpr QPoint kFullOrigin{230, 260};

  // The start view's origin for an image that currently has the given size.
  static QPoint StartOrigin(QSize current);

  // Draws the profile of `sim` and its mirror image in blue over the axis, at scale 2, into a
  // new image of the fixed size, placed for an image of size `current` (the size the view had
  // when the model was opened). Returns the origin used.
  QPoint DrawStartView(QImage& image, QSize current, const Simulation& sim,
                       const ViewColors& colours) const;

  // Changes the zoom by `zoomChange` steps (-1, 0 or +1) and draws the whole scene. Draws nothing
  // and returns false before the first motion or when the zoom would leave (0, 5]; the zoom is
  // then as it was. Reads the tool, which it places at the current command.
  bool DrawFullView(QImage& image, Simulation& sim, const ViewColors& colours, int zoomChange);

  // Applies one zoom change to `scale`; false, and `scale` unchanged, when it would leave (0, 5].
  static bool ChangeZoom(float& scale, int zoomChange);

  float ViewScale = kStartScale;
};

} // namespace turnsim
