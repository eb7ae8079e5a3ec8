#pragma once
// Draws a placed text with a QPainter: the frame moves to the reference
// point and turns for the vertical font, an opaque background fills the
// text cell first.

#include <optional>

#include <QFont>
#include <QPainter>
#include <QString>

#include "platform/text_placement.h"

namespace kvx {

void paintText(QPainter& painter, const QFont& font, const PlacedText& placed, Color color,
               std::optional<Color> background, const QString& text);

}  // namespace kvx
