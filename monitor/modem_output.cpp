#include "monitor/modem_output.h"

#include <algorithm>
#include <string>

#include "common/cp1251.h"
#include "monitor/modem_gate.h"

namespace monitor {
namespace {

// Fills the buffer with the framed message and hands the bytes before the
// first 0 byte to the modem line. True when the line took them.
bool HandOver(Station& st, const std::string& bytes) {
  auto& buffer = st.core.ModemTxBuffer;
  buffer.fill(0);
  std::copy(bytes.begin(), bytes.end(), buffer.begin());
  st.state.TxWrittenCount = 0;
  const auto end = std::find(buffer.begin(), buffer.end(), std::uint8_t{0});
  return st.ports.modem.Write(buffer.data(), static_cast<std::size_t>(end - buffer.begin()));
}

}  // namespace

void OpenPorts(Station& st) {
  st.core.PortName = "com1";
  st.state.PortOpen = true;
  st.form.Timer2.Enabled = true;
  st.ports.modem.Open();
  st.ports.rs485.Open();
}

bool SendModemCommand(Station& st, std::string_view text) {
  if (!st.state.PortOpen) OpenPorts(st);
  std::string bytes = common::Utf8ToCp1251(text);
  bytes.resize(std::min(bytes.size(), kMaxModemCommand));
  bytes += "\r\n";
  const bool taken = HandOver(st, bytes);
  if (taken) {
    NoteCommandWritten(st);
    st.form.StatusBar1[kModemOutPanel].Text = "-->M";
  }
  st.form.StatusBar1[kModemInPanel].Text = "";
  return taken;
}

bool SendModemText(Station& st, std::string_view text) {
  std::string bytes = common::Utf8ToCp1251(text);
  if (bytes.empty()) return false;
  if (!st.state.PortOpen) OpenPorts(st);
  bytes.resize(std::min(bytes.size(), kMaxModemText));
  bytes.back() = '\x1A';
  bytes += '\x1B';
  const bool taken = HandOver(st, bytes);
  if (taken) st.form.StatusBar1[kModemOutPanel].Text = "TEXT->M";
  st.form.StatusBar1[kModemInPanel].Text = "";
  return taken;
}

}  // namespace monitor
