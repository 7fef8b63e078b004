#pragma once

#include <vector>

namespace n63k::test {

// A key event as the keyboard sends it: an X keysym, pressed or released.
struct KeyStroke {
  unsigned long keysym;
  bool press;
};

// Sends the strokes to the X display of $DISPLAY through XTest, as typed on
// its keyboard. False when the display or its XTest is missing.
bool TypeOnDisplay(const std::vector<KeyStroke>& strokes);

}  // namespace n63k::test
