#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "stanmon/qt/qt_serial_line.h"
#include "stanmon/qt/serial_settings.h"

namespace stanmon {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(const std::string& text) {
  return Bytes(text.begin(), text.end());
}

// ---- Settings ----

// Sets or unsets one environment variable for the scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value != nullptr)
      ::setenv(name, value, 1);
    else
      ::unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_)
      ::setenv(name_.c_str(), old_->c_str(), 1);
    else
      ::unsetenv(name_.c_str());
  }

 private:
  std::string name_;
  std::optional<std::string> old_;
};

TEST(SerialSettings, DefaultsWhenNothingIsSet) {
  ScopedEnv d1("STANMON_COM1", nullptr), b1("STANMON_COM1_BAUD", nullptr);
  ScopedEnv d2("STANMON_COM2", nullptr), b2("STANMON_COM2_BAUD", nullptr);
  const SerialSettings com1 = SerialSettingsFromEnvironment(1);
  const SerialSettings com2 = SerialSettingsFromEnvironment(2);
  EXPECT_EQ(com1.label, "COM1");
  EXPECT_EQ(com1.device, "/dev/ttyS0");
  EXPECT_EQ(com1.baud, 9600);
  EXPECT_EQ(com1.quiet_ms, 20);
  EXPECT_FALSE(com1.drop_backlog);  // no modem answer may be lost
  EXPECT_EQ(com2.label, "COM2");
  EXPECT_EQ(com2.device, "/dev/ttyS1");
  EXPECT_EQ(com2.baud, 9600);
  EXPECT_EQ(com2.quiet_ms, 5);
  EXPECT_TRUE(com2.drop_backlog);
}

TEST(SerialSettings, TakenFromEnvironment) {
  ScopedEnv d1("STANMON_COM1", "/dev/ttyUSB0"), b1("STANMON_COM1_BAUD", "1200");
  ScopedEnv d2("STANMON_COM2", "/dev/ttyUSB1"), b2("STANMON_COM2_BAUD", " 115200\n");
  const SerialSettings com1 = SerialSettingsFromEnvironment(1);
  const SerialSettings com2 = SerialSettingsFromEnvironment(2);
  EXPECT_EQ(com1.device, "/dev/ttyUSB0");
  EXPECT_EQ(com1.baud, 1200);
  EXPECT_EQ(com1.quiet_ms, 166);  // 20 characters of 10 bits
  EXPECT_EQ(com2.device, "/dev/ttyUSB1");
  EXPECT_EQ(com2.baud, 115200);
  EXPECT_EQ(com2.quiet_ms, 2);  // floor
}

TEST(SerialSettings, BadBaudFallsBackTo9600) {
  for (const char* text : {"", "fast", "96OO", "9600 baud", "-9600", "0", "99999999999"}) {
    ScopedEnv baud("STANMON_COM2_BAUD", text);
    const SerialSettings com2 = SerialSettingsFromEnvironment(2);
    EXPECT_EQ(com2.baud, 9600) << '"' << text << '"';
    EXPECT_EQ(com2.quiet_ms, 5) << '"' << text << '"';
  }
}

// ---- QtSerialLine over pseudo-terminals ----

// Runs the event loop until done() or the deadline; true when done.
bool WaitUntil(const std::function<bool()>& done, int deadline_ms = 8000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(deadline_ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

void SpinFor(int ms) {
  WaitUntil([] { return false; }, ms);
}

// The far end of a line: the master side of a raw pty whose slave the line opens.
class Pty {
 public:
  Pty() {
    int slave = -1;
    if (::openpty(&master_, &slave, nullptr, nullptr, nullptr) != 0) return;
    termios raw{};
    ::tcgetattr(slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);
    char name[256] = {};
    if (::ttyname_r(slave, name, sizeof name) == 0) slave_name_ = name;
    // The line must be the only reader of the slave.
    ::close(slave);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
  }
  ~Pty() { Close(); }
  Pty(const Pty&) = delete;
  Pty& operator=(const Pty&) = delete;

  bool ok() const { return master_ >= 0 && !slave_name_.empty(); }
  const std::string& slave_name() const { return slave_name_; }

  void Close() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }

  void Send(const std::string& text) {
    ASSERT_EQ(::write(master_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  }

  // Everything that has reached the far end, collected while the event loop runs.
  std::string Receive(std::size_t expected, int deadline_ms = 8000) {
    std::string got;
    WaitUntil(
        [&] {
          char chunk[512];
          const ssize_t n = ::read(master_, chunk, sizeof chunk);
          if (n > 0) got.append(chunk, static_cast<std::size_t>(n));
          return got.size() >= expected;
        },
        deadline_ms);
    return got;
  }

 private:
  int master_ = -1;
  std::string slave_name_;
};

// Points the device path at a pty, as udev would for a plugged adapter.
bool PointAt(const std::string& link, const Pty& pty) {
  ::unlink(link.c_str());
  return ::symlink(pty.slave_name().c_str(), link.c_str()) == 0;
}

std::string ReadOnce(QtSerialLine& line, std::size_t max = 256) {
  Bytes into(max);
  const std::size_t count = line.Read(into.data(), max);
  return std::string(into.begin(), into.begin() + count);
}

std::string ReadUntilSomething(QtSerialLine& line, std::size_t max = 256) {
  std::string got;
  WaitUntil([&] { return !(got = ReadOnce(line, max)).empty(); });
  return got;
}

bool Write(QtSerialLine& line, const std::string& text) {
  const Bytes bytes = ToBytes(text);
  return line.Write(bytes.data(), bytes.size());
}

class QtSerialLineTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(pty_.ok());
    link_ = dir_.filePath("com").toStdString();
    ASSERT_TRUE(PointAt(link_, pty_));
  }

  SerialSettings Settings(int quiet_ms = 20) const { return {"COM1", link_, 9600, quiet_ms}; }
  std::function<void(const LineNotice&)> Collect() {
    return [this](const LineNotice& notice) {
      EXPECT_EQ(notice.line, "COM1");
      EXPECT_EQ(notice.down, notice.text.find(" открыт") == std::string::npos) << notice.text;
      notices_.push_back(notice.text);
    };
  }

  QTemporaryDir dir_;
  Pty pty_;
  std::string link_;
  std::vector<std::string> notices_;
};

TEST_F(QtSerialLineTest, EveryByteValuePassesUnchangedBothWays) {
  QtSerialLine line(Settings(), Collect());
  line.Open();
  line.Open();  // already open: changes nothing
  std::string all;
  for (int value = 0; value < 256; ++value) all.push_back(static_cast<char>(value));

  Write(line, all);
  EXPECT_EQ(pty_.Receive(all.size()), all);

  pty_.Send(all);
  std::string got;
  WaitUntil([&] {
    got += ReadOnce(line);
    return got.size() >= all.size();
  });
  EXPECT_EQ(got, all);
  EXPECT_TRUE(notices_.empty());
}

TEST_F(QtSerialLineTest, AnswerInChunksArrivesInOneRead) {
  // The quiet time is generous so a busy machine cannot split the answer.
  QtSerialLine line(Settings(/*quiet_ms=*/40), Collect());
  line.Open();
  const std::vector<std::string> chunks = {"\r\n+CSQ", ": 17,0\r\n", "\r\nOK\r\n"};
  std::string early;
  for (const std::string& chunk : chunks) {
    pty_.Send(chunk);
    const auto gap_end = std::chrono::steady_clock::now() + std::chrono::milliseconds(3);
    while (std::chrono::steady_clock::now() < gap_end) {
      QCoreApplication::processEvents();
      early += ReadOnce(line);
    }
  }
  EXPECT_EQ(early, "") << "handed over while the answer was still arriving";

  std::string answer;
  WaitUntil([&] {
    SpinFor(10);  // the console reads on a timer tick
    answer = ReadOnce(line);
    return !answer.empty();
  });
  EXPECT_EQ(answer, "\r\n+CSQ: 17,0\r\n\r\nOK\r\n");
  SpinFor(100);
  EXPECT_EQ(ReadOnce(line), "");
}

// How the device goes away: the far end hangs up (Qt sees the line fail), or only
// the device path vanishes while Qt notices nothing.
struct Unplug {
  const char* name;
  bool far_end_hangs_up;
};

void PrintTo(const Unplug& u, std::ostream* os) {
  *os << u.name;
}

class UnplugTest : public QtSerialLineTest, public testing::WithParamInterface<Unplug> {};

TEST_P(UnplugTest, ToldAtEveryAttemptAndComesBackByItself) {
  QtSerialLine line(Settings(), Collect());
  line.Open();
  Write(line, "AT\r");
  ASSERT_EQ(pty_.Receive(3), "AT\r");

  if (GetParam().far_end_hangs_up) pty_.Close();
  ::unlink(link_.c_str());
  ASSERT_TRUE(WaitUntil([&] {
    ReadOnce(line);  // as the console's receive tick does
    return !notices_.empty();
  }));
  Write(line, "lost");  // dropped, not kept for later
  EXPECT_EQ(ReadOnce(line), "");

  Pty replugged;
  ASSERT_TRUE(replugged.ok());
  SpinFor(3500);  // at least one retry finds nothing
  ASSERT_GE(notices_.size(), 2u);
  const std::string opened = "COM1 " + link_ + " открыт";
  ASSERT_TRUE(PointAt(link_, replugged));
  ASSERT_TRUE(WaitUntil([&] { return notices_.back() == opened; }));
  const std::size_t told = notices_.size();
  notices_.pop_back();
  std::vector<std::string> down(told - 1, "COM1 " + link_ + ": устройство не найдено");
  down.front() = "COM1 " + link_ + ": устройство отключено";  // then every retry finds nothing
  EXPECT_EQ(notices_, down);

  Write(line, "ATE0\r");
  EXPECT_EQ(replugged.Receive(5), "ATE0\r");
  replugged.Send("OK\r\n");
  EXPECT_EQ(ReadUntilSomething(line), "OK\r\n");
  EXPECT_EQ(notices_.size(), told - 1);  // nothing more once it is back
}

INSTANTIATE_TEST_SUITE_P(Ways, UnplugTest,
                         testing::Values(Unplug{"FarEndHangsUp", true},
                                         Unplug{"DevicePathVanishes", false}),
                         [](const testing::TestParamInfo<Unplug>& info) {
                           return std::string(info.param.name);
                         });

// The RS485 decoder judges the answer to the request just sent: what the line
// brought while no answer was expected is dropped, never queued before it.
TEST_F(QtSerialLineTest, Rs485AnswerAfterLineNoiseIsHandedOverAtOnce) {
  SerialSettings settings = Settings(/*quiet_ms=*/5);
  settings.drop_backlog = true;
  QtSerialLine line(settings, Collect());
  line.Open();
  std::string noise;
  for (int i = 0; i < 2000; ++i) noise.push_back(static_cast<char>(i * 37 % 251));
  pty_.Send(noise);
  for (int tick = 0; tick < 5; ++tick) {  // the console reads every 101 ms
    SpinFor(100);
    ReadOnce(line, 31);
  }
  const std::string request("\xAA\x45\x02\x00\x47", 5);
  const std::string answer("\x55\x02\x80\x10\x00\xE7", 6);
  Write(line, request);
  EXPECT_EQ(pty_.Receive(request.size()), request);
  pty_.Send(answer);
  EXPECT_EQ(ReadUntilSomething(line, 31), answer);
}

// Said again at every attempt to reopen, so that other texts in the panel cannot
// hide it for long.
TEST_F(QtSerialLineTest, MissingDeviceIsToldAgainAtEveryRetry) {
  const std::string missing = dir_.filePath("ttyUSB9").toStdString();
  QtSerialLine line({"COM1", missing, 9600, 5}, Collect());
  line.Open();
  line.Open();
  const std::string told = "COM1 " + missing + ": устройство не найдено";
  EXPECT_EQ(notices_, std::vector<std::string>{told});
  EXPECT_FALSE(Write(line, "dropped"));
  SpinFor(7000);  // two retries
  EXPECT_EQ(ReadOnce(line), "");
  EXPECT_EQ(notices_, std::vector<std::string>(3, told));
}

}  // namespace
}  // namespace stanmon

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
