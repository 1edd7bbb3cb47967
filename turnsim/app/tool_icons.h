// The pictures of the tool buttons, the menu items and the window, painted as vectors at
// whatever size and pixel density they are shown.
#pragma once

#include <QIcon>

namespace turnsim {

enum class ToolGlyph {
  Open,
  ExportDxf,
  RunStop,
  Step,
  ZoomIn,
  ZoomOut,
  Settings,
  Database,
  ProfileList,
  View3D,
  Colors,
  About,
  Exit,
  Window, // the program's own icon: a turned part with the insert at its shoulder
};

QIcon ToolIcon(ToolGlyph glyph);

} // namespace turnsim
