#include "tests/e2e/pty_modem.h"

#include <poll.h>
#include <unistd.h>

#include <string>

namespace e2e {

std::int64_t PtyModem::Now() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               start_)
      .count();
}

bool PtyModem::ServeUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    pollfd p{pty_.master, POLLIN, 0};
    if (poll(&p, 1, 5) > 0 && (p.revents & POLLIN)) {
      char buffer[512];
      const ssize_t n = read(pty_.master, buffer, sizeof buffer);
      if (n > 0) modem.Receive({buffer, static_cast<std::size_t>(n)}, Now());
    }
    const std::string out = modem.Output(Now());
    if (!out.empty()) pty_.Write(out);
  }
  return true;
}

}  // namespace e2e
