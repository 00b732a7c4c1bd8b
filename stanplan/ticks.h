// The designer's timers: which one runs what. Two that fall due at the same
// moment run in the order listed here.
#pragma once

#include "common/timer_bank.h"
#include "designer/blink.h"
#include "designer/desk.h"
#include "designer/startup_load.h"

namespace stanplan {

struct Tick {
  common::Timer designer::DesignerForm::*timer;
  void (*handler)(designer::Desk&);
};

inline constexpr Tick kTicks[] = {
    // Timer3, every 1000 ms, on at start: the start-up load, until it has been
    // done once; "Создать файл установок" has it done again.
    {&designer::DesignerForm::Timer3, designer::Timer3Timer},
    // Timer4, every 400 ms, from "Демо" > "Пуск" until "Стоп": the blink.
    {&designer::DesignerForm::Timer4, designer::Timer4Timer},
};

}  // namespace stanplan
