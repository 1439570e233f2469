#include "common/module1.h"

Module1& module1()
{
    static Module1 values;
    return values;
}
