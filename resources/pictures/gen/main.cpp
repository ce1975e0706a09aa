// Draws every picture of the window into the folder given as the only argument:
// NAME.bmp for the 54 button pictures and the logo, MAINICON.ico, and the two icon
// images as MAINICON_32.bmp and MAINICON_16.bmp.
#include "bitmap_file.h"
#include "picture_names.h"
#include "pictures.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>

using namespace pictures;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: zolk_picturegen OUTPUT_FOLDER\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);

        std::map<std::string, Canvas> drawn;
        for (auto family : {sectionPictures, loadCasePictures, columnPictures, exitPictures}) {
            for (Picture& p : family()) {
                drawn.emplace(p.name, p.canvas);
            }
        }
        for (const ButtonPictures& button : kButtons) {
            const std::string up = std::string(button.base) + "_UP";
            const std::string dn = std::string(button.base) + "_DN";
            const auto u = drawn.find(up);
            if (u == drawn.end()) {
                throw std::runtime_error("no picture " + up);
            }
            if (u->second.width() != button.width || u->second.height() != button.height) {
                throw std::runtime_error(up + " has the wrong size");
            }
            // The exit image brings its own pressed picture; every selector's is derived.
            const auto d = drawn.find(dn);
            const Canvas down = d != drawn.end() ? d->second : pressed(u->second);
            writeFile(folder / (up + ".bmp"), encodeBmp4(u->second));
            writeFile(folder / (dn + ".bmp"), encodeBmp4(down));
        }

        writeFile(folder / (std::string(kLogo) + ".bmp"), encodeBmp8(logoPicture()));
        const Canvas icon32 = iconPicture(32);
        const Canvas icon16 = iconPicture(16);
        writeFile(folder / (std::string(kIcon) + ".ico"), encodeIco({&icon32, &icon16}));
        writeFile(folder / (std::string(kIcon32) + ".bmp"), encodeBmp4(icon32));
        writeFile(folder / (std::string(kIcon16) + ".bmp"), encodeBmp4(icon16));
    } catch (const std::exception& e) {
        std::cerr << "zolk_picturegen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
