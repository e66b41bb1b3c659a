#pragma once

#include <optional>

namespace quillory {

struct LockState {
    bool caps = false;
    bool num = false;
};

// The keyboard's Caps Lock and Num Lock lights, where the window system tells them.
std::optional<LockState> keyboardLocks();

} // namespace quillory
