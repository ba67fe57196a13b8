#include "Collection/Collection.h"

const char* ResultText(std::int8_t result)
{
    switch (result) {
    case 2:
        return "1-0";
    case 1:
        return "draw";
    case 0:
        return "0-1";
    default:
        return "?";
    }
}
