// The application icon: a black I-section with its yellow bending axis on a silver tile.
#include "pictures.h"

#include <stdexcept>

namespace pictures {

Canvas iconPicture(int size) {
    Canvas c(size, size, Silver);
    c.rect(0, 0, size, size, Gray);
    // Flanges, web and axis scaled from the 32-pixel design; odd heights keep the axis on
    // the middle row.
    int margin, flange, web, height;
    if (size == 32) {
        margin = 5, flange = 4, web = 5, height = 21;
    } else if (size == 16) {
        margin = 2, flange = 2, web = 2, height = 11;
    } else {
        throw std::invalid_argument("icon size");
    }
    const int width = size - 2 * margin - (size == 16 ? 0 : 1);
    const int left = margin, top = (size - height) / 2;
    c.fillRect(left, top, width, flange, Black);
    c.fillRect(left, top + height - flange, width, flange, Black);
    c.fillRect(left + (width - web) / 2, top, web, height, Black);
    const int axis = top + height / 2;
    c.line(1, axis, size - 2, axis, Yellow);
    return c;
}

} // namespace pictures
