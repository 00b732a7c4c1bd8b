// A desk of its own for the real program's window: an X display, a session bus
// and, on demand, the accessibility bus, on which a button is found by its text
// and clicked with the pointer, as an operator would click it.
#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <string>

#include "tests/e2e/pty.h"
#include "tests/support/fakes.h"

namespace e2e {

struct DeskSession {
  DeskSession();
  // Stops the desk, and waits for the helpers that the session bus started.
  ~DeskSession();
  DeskSession(const DeskSession&) = delete;
  DeskSession& operator=(const DeskSession&) = delete;

  // What a program needs to show its window on this desk and be driven through it.
  std::map<std::string, std::string> Environment() const;

  // Clicks a button of the program by its text (alternatives separated by "|"),
  // in a window that shows `window_text` when one is given (a message box by its
  // message), waiting for it to appear up to `limit`. False when none appeared.
  bool Click(const std::string& program, const std::string& button, const std::string& window_text,
             std::chrono::seconds limit);

  // Why the desk could not be set up; empty when it stands.
  std::string problem;

 private:
  testing_support::TempFolder folder_;
  std::string display_;
  std::string bus_;
  std::unique_ptr<Process> x_server_;
  std::unique_ptr<Process> session_bus_;
};

}  // namespace e2e
