#include "Set_Data/Set_Data.h"

const char* LetterLabels[27];
const char* OpeningNames[27];
std::uint8_t OpeningThirdMoves[26];

namespace {

const char* const kLetters[26] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                                  "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};

// The 26 openings: 1–12 and 25 are the direct ones, 13–24 and 26 the indirect ones.
const char* const kOpeningNames[26] = {"寒星", "溪月", "疎星", "花月", "残月", "雨月", "金星",
                                       "松月", "丘月", "新月", "瑞星", "山月", "長星", "峡月",
                                       "恒星", "水月", "流星", "雲月", "浦月", "嵐月", "銀月",
                                       "明星", "斜月", "名月", "遊星", "彗星"};

const std::uint8_t kThirdMoves[26] = {104, 105, 106, 121, 122, 137, 138, 152, 153,
                                      154, 168, 169, 106, 122, 138, 154, 170, 137,
                                      153, 169, 152, 168, 151, 167, 170, 166};

} // namespace

void InitTables()
{
    LetterLabels[0] = "";
    OpeningNames[0] = "";
    for (int k = 0; k < 26; ++k) {
        LetterLabels[k + 1] = kLetters[k];
        OpeningNames[k + 1] = kOpeningNames[k];
        OpeningThirdMoves[k] = kThirdMoves[k];
    }
}
