// Puts a per-key filter in front of a text box: every typed character reaches
// the filter as a 16-bit code before the box sees it, and the filter may let it
// through, replace it, or set it to 0 to discard it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

class QKeyEvent;
class QLineEdit;

namespace horavela {

using KeyPressHandler = std::function<void(std::int16_t& KeyAscii)>;

// The code a key event types: its character, 8 for Backspace, 13 for Enter,
// 27 for Escape, the control code of Ctrl+letter (Ctrl+V is 22), and the
// clipboard keys Shift+Insert, Shift+Delete and Ctrl+Insert as Ctrl+V, Ctrl+X
// and Ctrl+C. Nothing for keys that type no character (Tab, arrows, Delete).
std::optional<std::int16_t> characterCode(const QKeyEvent& event);

// The filter lives as long as the box. Input methods are turned off for the
// box; a box that turns them on again gets their text through the filter too.
void installKeyPressFilter(QLineEdit* box, KeyPressHandler handler);

} // namespace horavela
