#pragma once

namespace quillora {

// Makes screen readers read every TJppPageControl as a list of tabs, the selected one
// marked, each one selectable from the reader; then its pages.
void RendreOngletsLisibles();

} // namespace quillora
