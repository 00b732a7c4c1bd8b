// Port opening and the modem output buffer with its two framings.
#pragma once

#include <string_view>

#include "monitor/station.h"

namespace monitor {

inline constexpr std::size_t kMaxModemCommand = 298;  // characters, before CR LF
inline constexpr std::size_t kMaxModemText = 299;     // characters, the last one dropped

// Records the modem port, marks the ports open, switches Timer2 on, and has the
// transport open both lines.
void OpenPorts(Station& st);

// Puts one AT command line + CR LF into ModemTxBuffer and hands it to the modem line.
// A command over 298 characters is cut to 298. False when the line did not take
// it; panel 3 then does not claim it went out. Whether it may go now is the
// modem gate's to say (monitor/modem_gate.h).
bool SendModemCommand(Station& st, std::string_view text);

// Puts an SMS body into ModemTxBuffer with its last character replaced by Ctrl-Z,
// then ESC, and hands it to the modem line. A text over 299 characters is cut to
// 299; an empty text has no last character to drop and sends nothing. False when
// nothing went out.
bool SendModemText(Station& st, std::string_view text);

}  // namespace monitor
