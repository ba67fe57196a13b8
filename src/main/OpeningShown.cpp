#include "main/OpeningShown.h"

#include <string>

#include "Notation/Opening.h"
#include "Set_Data/Set_Data.h"
#include "main/Port.h"
#include "main/State.h"

namespace {

int Shown = -1; // the opening number last told; -1 before the first

} // namespace

void ShowOpeningName(bool always)
{
    // The record's line, the replay tail with it: stepping back does not unname the game.
    int length = 0;
    while (length < MoveListSize && MoveList[length] > 0)
        ++length;
    const int number = notation::OpeningNumber(MoveList, static_cast<std::size_t>(length));
    if (number == Shown && !always)
        return;
    Shown = number;
    // Kept between calls, so a change of the name allocates only the first time.
    static std::string text = [] {
        std::string room;
        room.reserve(64);
        return room;
    }();
    text.clear();
    if (number > 0)
        text.append("珠型：").append(OpeningNames[number]);
    Window->SetText(TextId::LabelSyukeiMei, text);
}
