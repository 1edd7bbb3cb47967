// The insert and the holder of the current tool as meshes of the 3D scene, placed at the end
// point of a command.
#pragma once

#include "turnsim/input/cldata.h"
#include "turnsim/tooling/tool_library.h"
#include "turnsim/tooling/xmash.h"

namespace turnsim {

// The insert as a prism: its outline (arcs replaced by lines) on the top face at depth 0, and
// the same outline drawn in by the clearance angle on the bottom face at -thickness, with the
// side faces between them; moved to (Q.end.X, Q.end.Z). The insert is built on a copy of the
// tool, so `tool` is left as it was. Kind "CUT", mesh kind 1. An insert without an outline (kind
// "C") gives a mesh without vertices, which the scene leaves out. Throws what
// BuildInsertContour throws.
XMASH InsertMesh(const TOOL_CLASS& tool, const CldataCommand& q);

// The holder as a slab through its outline from dev.lib, its body lowered beneath the insert's
// seat, placed for the end point of `q` on the insert's side of the axis. Kind "DEV", mesh kind
// 2. A holder of fewer than three outline points gives a mesh without vertices. Throws
// ConversionError for an outline coordinate that is not a number.
XMASH HolderMesh(const TOOL_CLASS& tool, const CldataCommand& q);

} // namespace turnsim
