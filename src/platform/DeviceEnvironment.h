#pragma once

namespace n63k {

// Whether the environment asks for the simulated mouse (N63K_DEVICE=simulated)
// in place of the real one.
bool SimulatedMouseRequested();

}  // namespace n63k
