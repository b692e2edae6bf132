#include "PressePapier.h"

namespace quillora {

TPressePapier& PressePapier() {
    static TPressePapier pp;
    return pp;
}

} // namespace quillora
