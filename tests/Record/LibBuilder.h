// Writes .lib bytes from a readable tree: one node a line, children indented by two
// spaces under their parent, in preorder. A line is a move ("h8", "pass", or "root" for
// the root record) followed by any of
//   mark  start  nomove  nopop        the flag bits (nopop: no "no child" flag on a leaf)
//   c="..."  old="..."  bt="..."      comment, old-style comment, board text (raw bytes,
//                                     \b for 0x08 and \n for CRLF; old-style gets bit 7
//                                     set on its last byte)
//   ext=N                             the first extension byte
// Flags for siblings and leaves follow from the indentation.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "Board/Coordinates.h"

struct LibLine {
    int depth = 0;
    std::string move;
    bool mark = false, start = false, noMove = false, noPop = false, ext = false;
    int ext0 = 0;
    std::string comment, oldComment, boardText;
    bool hasComment = false, hasBoardText = false;
};

inline std::vector<LibLine> ParseLibTree(const std::string& text)
{
    std::vector<LibLine> lines;
    std::istringstream in(text);
    std::string row;
    while (std::getline(in, row)) {
        std::size_t indent = row.find_first_not_of(' ');
        if (indent == std::string::npos)
            continue;
        LibLine line;
        line.depth = static_cast<int>(indent / 2);
        std::size_t i = indent;
        auto token = [&]() {
            std::string t;
            while (i < row.size() && row[i] == ' ')
                ++i;
            bool quoted = false;
            while (i < row.size() && (quoted || row[i] != ' ')) {
                if (row[i] == '"') {
                    quoted = !quoted;
                } else if (row[i] == '\\' && i + 1 < row.size() && row[i + 1] == 'b') {
                    t += '\x08';
                    ++i;
                } else if (row[i] == '\\' && i + 1 < row.size() && row[i + 1] == 'n') {
                    t += "\r\n";
                    ++i;
                } else {
                    t += row[i];
                }
                ++i;
            }
            return t;
        };
        line.move = token();
        for (std::string t = token(); !t.empty(); t = token()) {
            if (t == "mark")
                line.mark = true;
            else if (t == "start")
                line.start = true;
            else if (t == "nomove")
                line.noMove = true;
            else if (t == "nopop")
                line.noPop = true;
            else if (t.rfind("c=", 0) == 0)
                line.comment = t.substr(2), line.hasComment = true;
            else if (t.rfind("old=", 0) == 0)
                line.oldComment = t.substr(4);
            else if (t.rfind("bt=", 0) == 0)
                line.boardText = t.substr(3), line.hasBoardText = true, line.ext = true;
            else if (t.rfind("ext=", 0) == 0)
                line.ext0 = std::stoi(t.substr(4)), line.ext = true;
        }
        lines.push_back(line);
    }
    return lines;
}

inline std::string PaddedField(const std::string& text)
{
    std::string f = text + '\0';
    if (f.size() % 2 != 0)
        f += '\0';
    return f;
}

// `version` is "3.4", "3.0" or "headerless".
inline std::string BuildLib(const std::string& version, const std::string& tree)
{
    std::string out;
    if (version != "headerless") {
        out = "\xFFRenLib\xFF";
        out += static_cast<char>(version[0] - '0');
        out += static_cast<char>(version[2] - '0');
        out.append(10, '\xFF');
    }
    std::vector<LibLine> lines = ParseLibTree(tree);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const LibLine& l = lines[k];
        bool sibling = false, leaf = true;
        if (k + 1 < lines.size())
            leaf = lines[k + 1].depth <= l.depth;
        for (std::size_t j = k + 1; j < lines.size() && lines[j].depth >= l.depth; ++j) {
            if (lines[j].depth == l.depth) {
                sibling = true;
                break;
            }
        }
        int pos = 0;
        if (l.move != "root" && l.move != "pass")
            pos = *ParseCellName(l.move) - 16;
        int flags = (sibling ? 0x80 : 0) | (leaf && !l.noPop ? 0x40 : 0) |
                    (l.oldComment.empty() ? 0 : 0x20) | (l.mark ? 0x10 : 0) |
                    (l.hasComment ? 0x08 : 0) | (l.start ? 0x04 : 0) | (l.noMove ? 0x02 : 0) |
                    (l.ext ? 0x01 : 0);
        out += static_cast<char>(pos);
        out += static_cast<char>(flags);
        if (l.ext) {
            out += static_cast<char>(l.ext0);
            out += static_cast<char>(l.hasBoardText ? 1 : 0);
        }
        if (!l.oldComment.empty()) {
            std::string old = l.oldComment;
            old.back() = static_cast<char>(old.back() | 0x80);
            out += old;
        }
        if (l.hasComment)
            out += PaddedField(l.comment);
        if (l.hasBoardText)
            out += PaddedField(l.boardText);
    }
    return out;
}
