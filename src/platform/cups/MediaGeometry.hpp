#pragma once

#include "screen/PageLayout.hpp"

// Sizes in hundredths of a millimetre, as the spooler reports media.
struct MediaSize {
  int width = 0;
  int length = 0;
  int left = 0;
  int right = 0;
  int top = 0;
  int bottom = 0;
};

// The page and its printable area in points. Media that make no sense (no
// area, margins that meet, sizes beyond any paper) give Letter with 0.25
// inch margins instead.
PageGeometry pageGeometryOf(const MediaSize& media);
