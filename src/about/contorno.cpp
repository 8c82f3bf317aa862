#include "contorno.h"

#include <array>
#include <cstddef>

namespace {

// Traced around the background picture (assets/about/fondo.svg), clockwise on screen from the
// top of the bird's crest. Over the bird and the arrow the vertices sit about half a pixel
// outside the painted shapes, inside their dark rim, so the cut edge never shows the desktop
// through the picture nor clips the drawing; along the panel they follow its edge exactly.
// The check script assets/tools/check_outline.py draws this polygon over the picture.

// clang-format off
constexpr std::array<qint16, kVerticesContorno> kContornoX = {
    // 0-47: crest, back of the head and the bird's back
    529, 533, 537, 539, 540, 543, 545, 547, 548, 549,
    551, 553, 555, 556, 559, 560, 561, 563, 565, 566,
    566, 566, 565, 562, 559, 560, 562, 564, 567, 571,
    575, 579, 584, 588, 593, 598, 604, 609, 614, 620,
    623, 627, 630, 632, 635, 637, 638, 640,
    // 48-78: rump and the outer edge of the tail
    640, 640, 640, 640, 640, 640, 640, 640, 640, 640,
    639, 639, 639, 638, 638, 638, 637, 637, 636, 636,
    635, 634, 634, 633, 632, 631, 630, 630, 628, 626,
    625,
    // 79-94: tip of the tail and its inner edge, back to the panel
    623, 621, 618, 616, 615, 613, 612, 611, 609, 609,
    608, 607, 607, 605, 605, 604,
    // 95-114: tip of the arrow, outside the panel's right edge
    604, 607, 608, 609, 612, 613, 615, 617, 619, 620,
    621, 622, 623, 623, 622, 621, 618, 616, 610, 604,
    // 115-119: bottom-right corner
    604, 602, 600, 597, 594,
    // 120-127: bottom edge and bottom-left corner
    9, 7, 5, 4, 3, 1, 0, 0,
    // 128-133: left edge, top-left corner and top edge
    0, 1, 3, 5, 9, 506,
    // 134-154: breast and beak
    506, 505, 504, 502, 500, 499, 498, 497, 496, 496,
    493, 491, 488, 485, 481, 479, 478, 478, 475, 473,
    472,
    // 155-201: tip of the beak, forehead and the front crest feather
    471, 471, 473, 474, 475, 477, 478, 479, 482, 484,
    486, 487, 490, 490, 491, 492, 492, 494, 496, 498,
    499, 500, 501, 502, 504, 505, 506, 508, 509, 511,
    512, 513, 515, 516, 518, 520, 522, 524, 526, 528,
    531, 533, 533, 532, 531, 530, 530,
};

constexpr std::array<qint16, kVerticesContorno> kContornoY = {
    // 0-47: crest, back of the head and the bird's back
    0, 1, 2, 3, 5, 8, 6, 4, 4, 5,
    6, 8, 10, 13, 11, 11, 11, 13, 15, 18,
    20, 21, 21, 20, 19, 21, 22, 24, 25, 26,
    27, 28, 28, 29, 30, 31, 32, 33, 34, 37,
    38, 40, 42, 44, 47, 49, 52, 55,
    // 48-78: rump and the outer edge of the tail
    56, 72, 74, 77, 79, 81, 85, 89, 94, 98,
    102, 106, 109, 113, 117, 120, 124, 127, 130, 134,
    136, 139, 142, 145, 148, 151, 153, 155, 158, 160,
    162,
    // 79-94: tip of the tail and its inner edge, back to the panel
    162, 162, 160, 158, 156, 153, 149, 146, 142, 140,
    138, 136, 134, 130, 128, 126,
    // 95-114: tip of the arrow, outside the panel's right edge
    403, 406, 407, 409, 411, 413, 414, 417, 418, 420,
    421, 422, 423, 426, 426, 428, 430, 433, 438, 443,
    // 115-119: bottom-right corner
    473, 476, 478, 479, 480,
    // 120-127: bottom edge and bottom-left corner
    480, 480, 479, 478, 477, 474, 472, 470,
    // 128-133: left edge, top-left corner and top edge
    97, 94, 91, 90, 89, 89,
    // 134-154: breast and beak
    88, 87, 86, 81, 77, 74, 70, 66, 62, 58,
    55, 51, 51, 50, 49, 48, 48, 47, 43, 41,
    41,
    // 155-201: tip of the beak, forehead and the front crest feather
    40, 39, 38, 37, 36, 36, 35, 34, 33, 32,
    31, 31, 30, 28, 27, 25, 24, 22, 20, 18,
    17, 16, 15, 14, 13, 12, 12, 11, 10, 10,
    10, 9, 9, 9, 9, 9, 9, 9, 9, 9,
    9, 9, 7, 6, 4, 3, 2,
};
// clang-format on

} // namespace

qint16 CoordenadaX(int i)
{
    if (i < 0 || i >= kVerticesContorno)
        return 0;
    return kContornoX[static_cast<std::size_t>(i)];
}

qint16 CoordenadaY(int i)
{
    if (i < 0 || i >= kVerticesContorno)
        return 0;
    return kContornoY[static_cast<std::size_t>(i)];
}
