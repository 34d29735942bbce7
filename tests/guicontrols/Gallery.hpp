#ifndef GUICONTROLS_TESTS_GALLERY_HPP
#define GUICONTROLS_TESTS_GALLERY_HPP

#include "support/PictureFile.hpp"

#include <quillon/hal/Types.hpp>

#include <cstdint>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace guicontrols
{
namespace test
{
// Writes RGB565 pixels (width x height, row by row) as a lossless PNG under the gallery folder
// of the build tree; returns false when the file could not be written.
inline bool writeGalleryPng(const std::string& name, int width, int height, const std::vector<quillon::Color>& pixels)
{
#ifdef GALLERY_DIR
    const std::string folder = GALLERY_DIR;
#else
    const std::string folder = "widget-gallery";
#endif
    // A name may hold sub-folders of its own: make every folder of the path.
    const std::string path = folder + "/" + name + ".png";
    for (std::string::size_type slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        mkdir(path.substr(0, slash).c_str(), 0755);
    }
    quillon::test::Picture picture;
    picture.width = width;
    picture.height = height;
    picture.pixels.assign(pixels.begin(), pixels.end());
    return quillon::test::writePng(path, picture);
}
} // namespace test
} // namespace guicontrols

#endif
