#pragma once
// The catalogue of pictures: each entry names its file (relative to its
// output folder), its pixel size and the function that draws it.

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace pictures {

// How the "small_" copy of a table picture is made.
enum class SmallCopy {
    None,       // no small copy
    Scaled,     // the picture scaled by the small layout's factor
    Background, // the design area of a table background, scaled to 480 x 320
};

struct Picture {
    QString file; // e.g. "icons/Skat_32.png" or "Berge_Tisch_Leer.png"
    int width = 0;
    int height = 0;
    std::function<void(QImage&)> draw;
    SmallCopy small = SmallCopy::None;
    double smallFactor = 0; // Scaled copies: 0 means SMALL_FACTOR
};

// The small layout is 480 wide where the full layout is 1152 (1024 plus margins).
constexpr double SMALL_FACTOR = 480.0 / 1152.0;
// Cards of the small layout are 91 x 144 where the full layout's are 144 x 216.
constexpr double SMALL_CARD_FACTOR = 91.0 / 144.0;

// The pictures compiled into the program (paths below the bundle root).
std::vector<Picture> bundlePictures();
// The table themes' pictures of the "Grafik" folder.
std::vector<Picture> tablePictures();
// Every other picture of the "Grafik" folder.
std::vector<Picture> interfacePictures();

} // namespace pictures
