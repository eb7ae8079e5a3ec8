#pragma once
// An enhanced metafile: the EMF writer's surface, written to its path on finish().

#include "platform/vector/emf_surface.h"
#include "platform/vector/vector_file.h"

namespace kvx {

using EmfFile = VectorFile<EmfSurface>;

}  // namespace kvx
