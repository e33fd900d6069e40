#include "source_graine.h"

int SourceGraine::tirer()
{
    // mt19937 yields exactly 32 bits; the top 15 of them make the draw.
    return static_cast<int>(generateur() >> 17U);
}
