#pragma once
// The picture families. Each returns its pictures by resource name; for the selector
// buttons that is the released (UP) picture, from which the pressed one is derived.
#include "canvas.h"

#include <string>
#include <vector>

namespace pictures {

struct Picture {
    std::string name;
    Canvas canvas;
};

std::vector<Picture> sectionPictures();  // 100 x 100
std::vector<Picture> loadCasePictures(); // 100 x 50
std::vector<Picture> columnPictures();   // 50 x 100
std::vector<Picture> exitPictures();     // EXIT_UP and EXIT_DN, 25 x 25
Canvas logoPicture();                    // 50 x 25
Canvas iconPicture(int size);            // 32 or 16

// The pressed picture of a selector button: the released one with its background gray.
Canvas pressed(const Canvas& released);

} // namespace pictures
