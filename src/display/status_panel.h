// The status panel beside the field: score, life, the shovel and its uses, the high scores.
#pragma once

#include <array>

class QLabel;
class Surface;

// Rebuilds the panel from the shared state: the ten texts of Label1 (score, life, uses, shovel,
// then score and name of each place) and the hearts and clovers painted on the client area.
void Paint_Status_Panel(Surface& client, const std::array<QLabel*, 10>& labels);
