// RenLib libraries (.lib): the tree in preorder, two bytes a node, with comments and
// board text in the code page of the writer's Windows.
#pragma once

#include <optional>
#include <string_view>

#include "Record/Record.h"

// `codePage` overrides the detected code page of the library's text.
RecordRead ReadLib(std::string_view bytes, std::optional<CodePage> codePage = std::nullopt);
// Written in `codePage`, else the code page the library came in (CP932 for a new one).
// An unchanged library read by ReadLib is written back byte for byte.
RecordWrite WriteLib(const Record& record, std::optional<CodePage> codePage = std::nullopt);
