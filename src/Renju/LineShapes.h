// What one stone makes along one line: the shapes the rules talk about, read from the eleven
// cells centred on the stone by the rules below, with no table to build.
#pragma once

#include <cstdint>

#include "Renju/Position.h"

namespace renju {

// The rules of Renju as this judge applies them (RIF rules, article 9):
//  a. A five is an unbroken row of five stones. Black's five is exactly five; a move of black
//     that makes a five is never forbidden, whatever else it makes at the same time.
//  b. Six or more black stones in a row, an overline, is forbidden for black.
//  c. A four is a row that one more stone turns into a five; a straight four is a four with two
//     such points (.XXXX.). A black move that makes two or more fours at once is forbidden,
//     also when both lie in one line (X.XXX.X, XX.XX.XX, XXX.X.XXX).
//  d. A three is a row that one more stone turns into a straight four. For black it counts
//     only if that stone may be played: the point is judged by these same rules with the
//     three's stones in place, to any depth. A black move that makes two or more threes at
//     once is forbidden.
//  e. Where a move is forbidden for several reasons, overline is named before double four,
//     double four before double three.
//  f. White has no forbidden points; for white, five or more in a row is a five.

// Shapes of one line through the centre stone #, for the colour to play (X own, O the other
// colour or the edge, . empty). One stone makes at most one of them in a line.
enum class LineShape : std::uint8_t {
    Nothing,          // #X..O       nothing that can become a five
    Five,             // O#XXXX.     exactly five (white: five or more)
    Overline,         // X#XXXX      six or more in a row, black only
    DoubleFourInLine, // X.X#X.X     two fours in one line, with different five points
    StraightFour,     // .#XXX.      one four with two five points
    Four,             // O#XXX. #X.XX  one four, one five point
    Three,            // .#XX.. .#X.X.  one more stone makes a straight four
};

struct ShapeInfo {
    LineShape shape;
    // Bit q + 4 (q from −4 to 4, the offset along the line): an own stone there makes a five
    // through the centre. Set whatever the shape, so the five points of a four can be read.
    std::uint16_t fivePoints;
    // Bit q + 3 (q from −3 to 3): an own stone there makes a straight four through the centre.
    std::uint8_t threePoints;
};

// The shape that a stone of `colour` on `cell` (which must hold that colour) makes along the
// line of `step`.
ShapeInfo ShapeAt(const Position& position, CellIndex cell, int step, Colour colour);

// Offsets of the set bits, as cells along the line.
inline CellIndex PointAlong(CellIndex cell, int step, int offset)
{
    return cell + offset * step;
}

} // namespace renju
