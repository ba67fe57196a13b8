// The classification tables of the line scan: what a complete five-cell window and a window
// cut short by a blocker beyond the origin contribute to the record. Internal to GtRen.
#pragma once

namespace gtren_detail {

// Classifies the complete window WindowStart .. WindowStart + 4 steps (two to five own
// stones). Returns true when the rule ends the line.
bool ClassifyCompleteWindow();

// Classifies a window that a blocker beyond the origin cut short after WindowCells cells.
// Called only with room for five, at least two stones and no four or closed three yet on the
// line; the line ends afterwards in every case.
void ClassifyBlockedWindow();

} // namespace gtren_detail
