#pragma once
// An SVG picture file: the SVG writer's surface, written to its path on finish().

#include "picture/svg_surface.h"
#include "picture/vector_file.h"

namespace kvx {

using SvgFile = VectorFile<SvgSurface>;

}  // namespace kvx
