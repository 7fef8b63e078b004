#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/buttons/ButtonEntry.h"
#include "core/buttons/MouseWatchList.h"

namespace n63k {

// Where the worker put the macro of a button: the device macro slot (1-7) it
// wrote the macro's image into, and the image's word count.
struct DeviceMacro {
  int slot;
  std::size_t wordCount;
};

// The device word for the key matrix of button slot `slot` (0-6), or none when
// the function has no word (the key-matrix word stays 0). A macro button sends
// the word of the macro written to the mouse (`macro`); when its macro no
// longer exists the button keeps its slot's default function rather than go
// dead. A PC action keeps the slot's default word too, so that the mouse still
// reports the control and the computer can recognise the press.
std::optional<std::uint32_t> EncodeButtonWord(int slot, const ButtonEntry& entry,
                                              std::optional<DeviceMacro> macro);

// Takes the slot's control off the watch list, and puts it back when the
// computer carries out the slot's function (a PC action).
void WatchButton(MouseWatchList& watchList, int slot, const ButtonEntry& entry);

}  // namespace n63k
