#pragma once
// The one face every text of the system is drawn in, for all outputs.

namespace kvx {

// "Arial"; fontconfig resolves it to Liberation Sans, which has Arial's metrics.
constexpr const char* fontFamily = "Arial";
// The fallbacks a vector file names after the family, for viewers without Arial.
constexpr const char* fontFallbacks = "'Liberation Sans', Helvetica, sans-serif";

// Fonts are asked for with weight 550. Arial and Liberation Sans come in
// regular (400) and bold (700) only, and the toolkit resolves 550 to the
// bold face; the outputs ask for 700 outright, so that PNG, PDF and SVG
// (where 550 is no valid weight and viewers resolve ties their own way)
// all show the same bold face.
constexpr int fontWeight = 700;

}  // namespace kvx
