#include "pictures.h"

namespace pictures {

Canvas pressed(const Canvas& released) {
    Canvas down = released;
    down.replace(Silver, Gray);
    return down;
}

} // namespace pictures
