// SGF (FF[4]) records of Renju: the lossless Unicode form of the tree.
//
// The node's one-line comment is N[], its multi-line comment C[]; the opening's name is
// ON[]. A node's board text stands as LB[] on its parent at the node's point, its mark as
// MA[] on its own point. What SGF has no place for is kept in private properties: KVM[]
// (the mark of a pass or of the root), KVS[] (the start flag), KVT[] (the board text of a
// pass or of the root).
#pragma once

#include <string_view>

#include "Record/Record.h"

// Accepts GM[4], and GM[1] with SZ[15] as other Renju tools write it; the text's code
// page is found from the bytes when the declared CA does not fit them.
RecordRead ReadSgf(std::string_view bytes);
// Always UTF-8.
RecordWrite WriteSgf(const Record& record);
