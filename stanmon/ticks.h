// The console's six timers: the handler each one runs, and what that handler does,
// in order. Every handler switches its own timer off first and on again as its
// last step, so a tick never overlaps itself; no handler switches another timer
// off. They all run on the one thread, one at a time, between the operator's clicks.
//
//   Timer1  2051 ms for its first tick, then the poll pause; off at start, switched
//           on by "Пуск RS485" and by every queued modem job: links::Timer1Timer
//           the next RS485 request while polling runs; the pending modem job;
//           the poll state in its panel; the interval from the poll pause
//   Timer2  101 ms, on at start: links::Timer2Timer
//           the RS485 bytes and their answer; then the modem's read, whole
//           lines only, and its recogniser, which also reads back a SIM message;
//           the operator's SMS text once its prompt has come; one held operator
//           command once no SMS waits for its text
//   Timer3  251 ms, on at start: monitor::Timer3Timer
//           opens the ports until that is done; the start-up, once; the settings
//           files mended since they failed; one pass of the main cycle (received
//           signals, indicators, link frames, output boxes, the archive's name,
//           every changed signal row, SMS charges, the "AT" retry, status clearing)
//   Timer4  401 ms; off at start, switched on once a plan is shown:
//           monitor::Timer4Timer
//           the markers blink; every sixth tick, a demonstration step
//   Timer5  2501 ms; off at start, switched on by a signal coming on and by an
//           output command for a GSM object: links::Timer5Timer
//           an abandoned SMS prompt closed; the control SMS; the alarm SMS
//           schedule; the siren
//   Timer6  5005 ms, on at start: links::Timer6Timer
//           answers the modem has owed too long given up, and the job that
//           waited for one ended; the SIM inbox sweep
#pragma once

#include "links/timer1_timer.h"
#include "links/timer2_timer.h"
#include "links/timer5_timer.h"
#include "links/timer6_timer.h"
#include "monitor/timer3_timer.h"
#include "monitor/timer4_timer.h"
