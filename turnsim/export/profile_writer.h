// ProfileWriter: one export of the part's profile, as a DXF drawing built around the two
// template files shipped beside the program, or (profile_listing.h) as a text listing.
#pragma once

#include <filesystem>
#include <istream>
#include <ostream>
#include <string_view>

#include "turnsim/geometry/contour.h"

namespace turnsim {

// The template files of the DXF drawing: the beginning of the file up to the opening of the
// entities, and the rest after the entities up to the end-of-file marker.
inline constexpr std::string_view kDxfHeaderTemplate = "ddff1.ibm";
inline constexpr std::string_view kDxfFooterTemplate = "ddff2.ibm";

// Handle of the first entity; the next ones count up by one.
inline constexpr unsigned kFirstEntityHandle = 104;

class ProfileWriter {
public:
  ProfileWriter() = default;
  explicit ProfileWriter(Contour& profile) { SetProfile(profile); }

  // Keeps a reference to `profile` (it must outlive the writer), sets the centre and the radius
  // of every line element of it to 0 (the profile itself is changed) and computes the bounds.
  void SetProfile(Contour& profile);

  // Writes the DXF drawing to `fileName`, replacing it as a whole, with the templates read from
  // `templateFolder` (the working directory when empty). Throws ExportError when a template is
  // missing or unusable or the file cannot be written; `fileName` is then left as it was.
  void WriteDxf(const std::filesystem::path& fileName,
                const std::filesystem::path& templateFolder = {}) const;

  // The DXF text: the header template with the drawing extents filled in, the entities, the
  // footer template. Throws ExportError when the header template does not have the lower
  // extents' name on its 26th line, has a longer line than 49 characters before it, or ends
  // before the name of the header variable after the extents.
  void WriteDxf(std::ostream& out, std::istream& headerTemplate,
                std::istream& footerTemplate) const;

  // The profile given to SetProfile (an empty one before).
  const Contour& profile() const;
  // (least X, least Z) and (greatest X, greatest Z) by ContourBounds: the last element's end
  // point does not take part.
  const XZSegment& bounds() const { return bounds_; }
  // The drawing extents: the bounds widened by the last element's end point, so that they
  // cover every end point of the profile.
  XZSegment DrawingExtents() const;

private:
  Contour* profile_ = nullptr;
  XZSegment bounds_;
};

} // namespace turnsim
