#pragma once
// A number pasted from the clipboard, typed as its keys. Platform-free.
#include "keypad.h"

#include <cstddef>

// A paste reads at most this many bytes of the clipboard's text: a number the keypad can type
// (a sign and 14 characters), with room for blanks and line ends around it. A longer text is
// refused without being read further, however big the clipboard is.
constexpr std::size_t kPasteReadLimit = 64;

// Pastes the text of a clipboard block of `size` bytes (the text ends at its first zero byte or
// at the end of the block; at most kPasteReadLimit + 1 bytes are read) as if its keys had been
// pressed one after the other. The text is trimmed of blanks, tabs, CR and LF at both ends.
// In decimal it must be an optional minus, digits and at most one point; in hexadecimal, digits
// 0-9, A-F or a-f. Keys: CLEAR first while a number is being typed (the pasted number replaces
// it), the digits and the point in order, then Sig for a minus.
// Anything else, and a text a key of which would be refused (longer than typing allows), beeps
// once and changes nothing.
KeyEffects pasteText(CalcState& state, const char* block, std::size_t size);
