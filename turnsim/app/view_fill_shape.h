// A pair of contours made ready for the 2D view: copies of both, the reference point that places
// them, their images in view coordinates, and the seed points of the border fills.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "turnsim/geometry/contour.h"

namespace turnsim {

// A point of the view in millimetres: h to the right (along Z), v downwards (against X).
struct ViewPoint {
  float h = 0.0f;
  float v = 0.0f;
};

// A contour element in view coordinates; type and signed radius are those of the model element.
struct ViewOtr {
  std::int32_t type = kLine;
  ViewPoint start;
  ViewPoint end;
  ViewPoint centre;
  float radius = 0.0f;
};

using ViewList = std::vector<ViewOtr>;

// The view image of model point (X, Z) for reference point r: h = Z - r.Z, v = r.X - X.
ViewPoint ToViewPoint(XZPoint p, XZPoint reference);
ViewList ToViewList(const Contour& contour, XZPoint reference);

class FillShape {
public:
  enum class List { A, B };

  // Copies both lists; the reference point comes from list A.
  FillShape(Contour a, Contour b);

  // The largest radius (X) and the leftmost axial position (Z) of the chain, its closing element
  // left out, compared under the hundredths rule. The origin for an empty chain.
  static XZPoint ReferencePoint(const Contour& a);

  XZPoint Reference() const { return reference_; }
  // Moves the shape to another reference point: both view lists are rebuilt.
  void SetReference(XZPoint reference);

  const Contour& Source(List which) const { return which == List::A ? a_ : b_; }
  const ViewList& View(List which) const { return which == List::A ? viewA_ : viewB_; }

  // Where the border fill of a view list starts:
  //   kind 0: midway between the start of element 0 and the middle of the starts of elements
  //           m and m + 1, m = count / 2 - 1;
  //   kind 1: midway between the starts of element 1 and element count - 2;
  //   kind 2, 3: midway between the start of element 0 and the end of the last element.
  // None when the list is too short for the kind (kinds 0 and 1 need two elements).
  std::optional<ViewPoint> SeedPoint(List which, int kind) const;

private:
  Contour a_;
  Contour b_;
  XZPoint reference_;
  ViewList viewA_;
  ViewList viewB_;
};

} // namespace turnsim
