#pragma once

namespace Module1 {

// Reloads the data and, when it has exactly two phases, subtracts the second phase's mean less
// the first's from every point of the whole series whose row carries the second phase's label,
// wherever it stands; phaseromved tells whether it did. With another number of phases a message
// box says the series stays as it is.
void RemoveLevel();

} // namespace Module1
