// A record as the files hold it: the tree, the game's information and setup, and what the
// .lib reader kept to write an unchanged library back byte for byte.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Record/RecordTree.h"
#include "Text/CodePage.h"

struct LibOrigin {
    int major = 3;
    int minor = 4;
    bool headerless = false;
    bool rootRecord = true;
    CodePage codePage = CodePage::Cp932;
    std::string header;   // bytes 10-19 of the header as read
    std::string trailing; // an odd last byte, ignored but kept
    bool fromLib = false;
};

struct Record {
    RecordTree tree;
    struct GameInfo info; // "struct": the editor's state has a variable of this name
    std::vector<SetupStone> setup;
    LibOrigin lib;
};

// A reader's answer: the record, or a message naming what is wrong and where.
struct RecordRead {
    std::optional<Record> record;
    std::string message;
};

// A writer's answer: the bytes, or why they cannot be written.
struct RecordWrite {
    std::optional<std::string> bytes;
    std::string message;
};
