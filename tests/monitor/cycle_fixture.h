// A console core started in a fresh folder, driven one main-cycle pass at a time.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "common/cp1251.h"
#include "monitor/main_cycle.h"
#include "monitor/timer3_timer.h"
#include "tests/support/fakes.h"

namespace testing_support {

struct CycleTest : ::testing::Test {
  FakePorts fakes;
  monitor::Station st{fakes.Ports()};

  void SetUp() override { monitor::Timer3Timer(st); }

  void Pass() { monitor::Timer3Timer(st); }

  // An RS485 set for a channel with the given signals on.
  void ReceiveRs485(int channel, std::initializer_list<int> on, std::uint16_t word) {
    std::string bits(16, '0');
    for (int s : on) bits[s - 1] = '1';
    st.state.RxRs485 = {channel, bits, word, 1};
  }

  std::string Archive() const {
    return common::Cp1251ToUtf8(fakes.folder.Read(st.core.ArchiveFileName));
  }
  std::string Journal(int col, int row) const { return st.form.StringGrid7.Cells(col, row); }
  std::string& Status(int row) { return st.form.StringGrid1.Cells(2, row); }
};

}  // namespace testing_support
