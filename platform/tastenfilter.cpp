#include "platform/tastenfilter.h"

#include "common/ablehnungen.h"
#include "common/numbertext.h"
#include "platform/ui.h"

int TastenFilter(int keyCode, const QString& allowed)
{
    if (TasteErlaubt(keyCode, allowed))
        return keyCode;
    ui::beep(ablehnung::zeichenNichtErlaubt());
    ui::processEvents();
    return 0;
}
