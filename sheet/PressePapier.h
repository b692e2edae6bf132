#pragma once

#include "Devoirs.h"

namespace quillora {

// The assignment copied last, kept until the program ends and shared by every class window.
TPressePapier& PressePapier();

} // namespace quillora
