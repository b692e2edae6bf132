#pragma once

namespace quillora {

// The program's look, set once the application exists: its own icon in every title bar, and
// the toolkit's style, drawing the same, but making its icons when they are first drawn.
// Widgets ask the style for icons they do not show yet (the menu bar's overflow button, a
// class window's system menu), and reading the toolkit's PNG icons first asks every image
// plugin of the system whether it reads PNG, loading them all: the start paid for that
// before it showed anything.
void PreparerApparence();

} // namespace quillora
