// The blink demonstration: all 16 markers hidden for one tick of Timer4 and
// shown for two.
#pragma once

#include "designer/desk.h"

namespace designer {

// "Демо" > "Пуск": Timer4 on; the phase goes on from where it stood.
void N4Click(Desk& d);
// "Демо" > "Стоп": Timer4 off, all markers shown.
void N5Click(Desk& d);
// Timer4, every 400 ms: the next of the three phases.
void Timer4Timer(Desk& d);

}  // namespace designer
