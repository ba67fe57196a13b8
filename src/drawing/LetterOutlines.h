// The letters of a figure as outlines, so a vector figure needs no font where it is
// opened. They are traced from the letter as the bitmap draws it (the export's face,
// unsmoothed, cut to its patch), like the numerals from their pixel art: the same
// shapes as the bitmap, only sharp, whatever face the machine that wrote them had.
#pragma once

#include <QPainterPath>
#include <string>

// In patch coordinates: (0, 0) is the patch's top-left corner, the patch 18 × 22.
// Made once per text and kept for the run.
const QPainterPath& LetterOutline(const char* text);
// The same outline as SVG path data (nonzero fill).
const std::string& LetterSvgPath(const char* text);
