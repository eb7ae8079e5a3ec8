#pragma once
// An enhanced metafile: the EMF writer's surface, written to its path on finish().

#include "picture/emf_surface.h"
#include "picture/vector_file.h"

namespace kvx {

using EmfFile = VectorFile<EmfSurface>;

}  // namespace kvx
