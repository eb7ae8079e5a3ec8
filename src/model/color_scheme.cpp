#include "model/color_scheme.h"

#include "settings/keywords.h"

namespace kvx {

SchemeColors schemeColors(int16_t scheme)
{
    switch (scheme) {
    case LIGHT:
        return {rgb(0, 0, 0), rgb(64, 64, 64), rgb(208, 208, 208), rgb(255, 255, 255), rgb(0, 0, 0)};
    case DARK:
        return {rgb(255, 255, 255), rgb(255, 255, 255), rgb(64, 64, 64), rgb(0, 0, 0), rgb(255, 255, 255)};
    case PAPER:
        return {rgb(0, 0, 0), rgb(64, 64, 64), rgb(255, 255, 255), rgb(255, 255, 255), rgb(0, 0, 0)};
    case SCOPE:
        return {rgb(96, 255, 96), rgb(96, 255, 96), rgb(0, 0, 0), rgb(0, 0, 0), rgb(96, 255, 96)};
    case FANCY:
        return {rgb(128, 128, 128), rgb(128, 128, 128), rgb(208, 208, 208), rgb(240, 255, 255), rgb(0, 0, 0)};
    default:
        return {rgb(0, 0, 0), rgb(0, 0, 0), rgb(208, 208, 208), rgb(255, 255, 255), rgb(0, 0, 0)};
    }
}

}  // namespace kvx
