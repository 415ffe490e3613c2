// A fast answer to "would SolveBySingles solve this board?", for the generator, which asks it
// hundreds of times per puzzle. It answers exactly what SolveBySingles answers on a copy.
#pragma once

#include "engine/Board.h"

bool SolvableBySingles(const TBoard& board);
