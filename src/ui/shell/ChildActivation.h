#pragma once

#include <functional>

class QWidget;

namespace quillory {

// Runs `activated` when the child window that holds the screen becomes the active one, and
// `deactivated` when another child window takes over. Only a switch between child windows
// counts: the main window hands its active child back after every message box, and that is no
// new activation. False when the screen is in no child window of an MDI area (yet).
bool watchActivation(QWidget *screen, std::function<void()> activated, std::function<void()> deactivated);

} // namespace quillory
