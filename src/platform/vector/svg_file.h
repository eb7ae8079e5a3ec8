#pragma once
// An SVG picture file: the SVG writer's surface, written to its path on finish().

#include "platform/vector/svg_surface.h"
#include "platform/vector/vector_file.h"

namespace kvx {

using SvgFile = VectorFile<SvgSurface>;

}  // namespace kvx
