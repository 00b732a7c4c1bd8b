// The SMS inbox: report decoding, the read-back outcomes, and a report's way
// from the new-message notice to the screen.
#include "links/sms_inbox.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "links/modem_job.h"
#include "links/timer1_timer.h"
#include "monitor/main_cycle.h"
#include "monitor/timer3_timer.h"
#include "tests/links/modem_rig.h"

namespace {

using testing_support::ModemRig;

// The text-mode answer to "AT+CMGR=n" with this sender field and message text.
std::string ReadBack(const std::string& sender, const std::string& text) {
  return "\r\n+CMGR: \"REC UNREAD\",\"" + sender + "\",,\"26/03/05,14:07:09+12\"\r\n" + text +
         "\r\n\r\nOK\r\n";
}

links::SmsReport Parse(const std::string& read) {
  std::vector<std::uint8_t> bytes(read.begin(), read.end());
  bytes.push_back(0);
  return links::ParseSmsReport(bytes.data(), static_cast<std::int32_t>(read.size()));
}

TEST(SmsReportDecode, SignalWordAndOutputDigit) {
  struct Case {
    std::string read;
    bool valid;
    std::uint16_t word;
    int p1, p2;
  };
  const Case cases[] = {
      {".1000000000000001\r\n", true, 0x8001, 0, 0},
      {"x.1000000010000000", true, 0x8080, 0, 0},  // ends at the 16th character
      {".0000000010000000", true, 0x0080, 0, 0},
      {".00000000000000003", true, 0, 1, 1},
      {".00000000000000004", true, 0, 0, 0},
      {".00000000000000005", true, 0, 1, 0},
      {".00000000000000006", true, 0, 0, 1},
      {".00000000000000008", true, 0, 0, 0},
      {".0000000000000000A1", true, 0, 0, 0},
      {".111111111111111", false, 0, 0, 0},        // 15 characters
      {".1111111121111111", false, 0, 0, 0},       // not 0 or 1
      {"v1.2 .1111111111111111", false, 0, 0, 0},  // the first dot counts
      {"1111111111111111", false, 0, 0, 0},        // no dot
      {"", false, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.read);
    const auto r = Parse(c.read);
    EXPECT_EQ(r.valid, c.valid);
    EXPECT_EQ(r.word, c.word);
    EXPECT_EQ(r.outputs.P1, c.p1);
    EXPECT_EQ(r.outputs.P2, c.p2);
  }
  EXPECT_EQ(Parse(".10000000000000017xyz").bits, "10000000000000017");
  EXPECT_EQ(Parse(".1000000000000001").bits, std::string("1000000000000001\0", 17));
}

// Phones in rows 2, 7, 9 and 12; a read of slot 3 awaited; an older GSM set.
struct InboxRig : ModemRig {
  InboxRig() {
    auto& grid = st.form.StringGrid3;
    grid.Cells(2, 1) = "RS485";
    grid.Cells(2, 2) = "9123456702";
    grid.Cells(2, 7) = "9123456707";
    grid.Cells(2, 12) = "9123456712";
    grid.Cells(2, 9) = "9123456712";
    link.modem.ModemRequest = links::ModemJob::Reading;
    st.state.SmsIndex = "3";
    st.state.LinkAge.fill(20);
    st.state.RxGsm = {5, "0000000000000000", 0x1234, 0};
  }
};

struct SmsInboxTest : ::testing::Test, InboxRig {};

TEST_F(SmsInboxTest, SmsValidReportFromAKnownPhoneIsAppliedChargedAndDeleted) {
  Arrive(ReadBack("+79123456707", "Obj 7.10000000000000013"));
  EXPECT_EQ(st.form.ComboBox2.Items, std::vector<std::string>{"3 9123456707"});
  EXPECT_EQ(st.form.ComboBox2.Text, "9123456707");
  EXPECT_EQ(st.state.RxGsm.Channel, 7);
  EXPECT_EQ(st.state.RxGsm.Bits, "10000000000000013");
  EXPECT_EQ(st.state.RxGsm.Word, 0x8001);
  EXPECT_TRUE(st.state.RxGsm.NewData);
  EXPECT_EQ(st.state.LinkAge[7], 0);
  EXPECT_EQ(link.modem.SmsChargeHead, 1);
  EXPECT_EQ(st.state.SmsChargeQueue[1], 7);
  EXPECT_TRUE(st.state.OutputState[7].P1);
  EXPECT_TRUE(st.state.OutputState[7].P2);
  EXPECT_EQ(link.modem.ModemRequest, links::ModemJob::DeleteQueued);
  EXPECT_TRUE(st.form.Timer1.Enabled);
  EXPECT_TRUE(BufferClear());

  link.modem.ModemRequest =
      links::ModemJob::Reading;  // a second report goes on top, charged in the next slot
  st.state.SmsIndex = "4";
  Arrive(ReadBack("+79123456707", ".0000000000000000"));
  EXPECT_EQ(st.form.ComboBox2.Items, (std::vector<std::string>{"4 9123456707", "3 9123456707"}));
  EXPECT_EQ(st.state.SmsChargeQueue[2], 7);
  EXPECT_FALSE(st.state.OutputState[7].P1);
}

TEST_F(SmsInboxTest, SmsReadBackOutcomes) {
  struct Case {
    const char* name;
    std::string sender;
    std::string text;
    bool listed;
    int channel;  // RxGsmChannel afterwards (5 = untouched)
    int new_data;
  };
  const Case cases[] = {
      {"invalid report, passing sender", "+79123456707", "Obj.100", true, 0, 0},
      {"invalid report, failing sender", "+7912345670", "Obj.100", false, 5, 0},
      {"valid report, failing sender", "+7912345670", ".1111111111111111", false, 5, 0},
      {"valid report, name as sender", "MTS", ".1111111111111111", false, 5, 0},
      {"twelve digits", "+791234567070", ".1111111111111111", false, 5, 0},
      {"unknown phone", "+79999999999", ".1111111111111111", true, 0, 0},
      {"phone typed into an RS485 row", "+79123456702", ".1111111111111111", true, 2, 0},
      {"phone in two rows: the lower row", "+79123456712", ".1111111111111111", true, 9, 1},
      {"any country digit", "+39123456707", ".1111111111111111", true, 7, 1},
      {"valid report, then a failing sender field", "+79123456707",
       ".1111111111111111 \"+791234\",,", true, 7, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    InboxRig t;
    t.Arrive(ReadBack(c.sender, c.text));
    EXPECT_EQ(t.st.form.ComboBox2.Items.size(), c.listed ? 1u : 0u);
    EXPECT_EQ(t.st.state.RxGsm.Channel, c.channel);
    EXPECT_EQ(t.st.state.RxGsm.NewData, c.new_data);
    EXPECT_EQ(t.link.modem.ModemRequest,
              links::ModemJob::DeleteQueued);  // every message read back is deleted
    if (c.channel == 5) {  // nothing of an unaccepted report reaches the GSM record
      EXPECT_EQ(t.st.state.RxGsm.Word, 0x1234);
      EXPECT_EQ(t.st.state.RxGsm.Bits, "0000000000000000");
    }
  }
}

TEST_F(SmsInboxTest, SmsUnknownPhoneChargesNobody) {
  Arrive(ReadBack("+79999999999", ".11111111111111113"));
  EXPECT_EQ(st.state.SmsChargeQueue[1], 0);
  EXPECT_EQ(st.state.LinkAge[0], 0);
  for (int c = 1; c <= 16; ++c) EXPECT_EQ(st.state.LinkAge[c], 20);
  EXPECT_TRUE(st.state.OutputState[0].P1);
}

TEST_F(SmsInboxTest, SmsSecondSenderFieldCarriesNoReport) {
  Arrive(ReadBack("+79123456707", ".1111111111111111 \"+79123456712\",,"));
  EXPECT_EQ(st.form.ComboBox2.Items, (std::vector<std::string>{"3 9123456712", "3 9123456707"}));
  EXPECT_EQ(st.state.RxGsm.Channel, 0);
  EXPECT_FALSE(st.state.RxGsm.NewData);
  EXPECT_EQ(st.state.SmsChargeQueue[1], 7);
}

// The modem's echo of the read command comes as a read of its own, or before the
// answer in one read: only the answer is judged, once.
TEST_F(SmsInboxTest, SmsEchoOfTheReadCommandIsNoReadBack) {
  const std::string answer = ReadBack("+79123456707", ".1000000000000000");
  for (const std::vector<std::string>& reads :
       {std::vector<std::string>{"AT+CMGR=3\r", answer},
        std::vector<std::string>{"AT+CMGR=3\r" + answer},
        std::vector<std::string>{"\r\nOK\r\nAT+CMGR=3\r", answer}}) {  // a late OK, then the echo
    InboxRig t;
    for (std::size_t i = 0; i + 1 < reads.size(); ++i) {
      t.Arrive(reads[i]);
      EXPECT_EQ(t.link.modem.ModemRequest, links::ModemJob::Reading);
      EXPECT_TRUE(t.st.form.ComboBox2.Items.empty());
    }
    t.Arrive(reads.back());
    EXPECT_EQ(t.st.form.ComboBox2.Items, std::vector<std::string>{"3 9123456707"});
    EXPECT_EQ(t.st.state.SmsChargeQueue[1], 7);
    EXPECT_EQ(t.link.modem.ModemRequest, links::ModemJob::DeleteQueued);
  }
}

// However the answer's bytes were cut into reads, it is judged once, when whole.
TEST_F(SmsInboxTest, SmsReadBackInPiecesIsJudgedOnceWhenWhole) {
  const std::string whole = ReadBack("+79123456707", "Obj 7.10000000000000012");
  for (std::size_t piece : {1u, 5u, 12u, 60u}) {
    SCOPED_TRACE(piece);
    InboxRig t;
    for (std::size_t at = 0; at < whole.size(); at += piece) {
      EXPECT_EQ(t.link.modem.ModemRequest, links::ModemJob::Reading);
      t.Arrive(whole.substr(at, piece));
    }
    EXPECT_EQ(t.st.form.ComboBox2.Items.size(), 1u);
    EXPECT_EQ(t.st.state.RxGsm.Channel, 7);
    EXPECT_EQ(t.st.state.RxGsm.Word, 0x8001);
    EXPECT_TRUE(t.st.state.OutputState[7].P2);
    EXPECT_EQ(t.link.modem.SmsChargeHead, 1);
    EXPECT_EQ(t.link.modem.ModemRequest, links::ModemJob::DeleteQueued);
  }
}

// A read-back longer than one tick examines, and a notice behind it in the same
// burst: the read-back is judged whole on the next tick, and the notice is read.
TEST_F(SmsInboxTest, SmsLongReadBackAndANoticeInOneBurstAreBothHandled) {
  const std::string long_text = "Obj 7 " + std::string(137, 'x') + ".1000000000000000";
  const std::string answer = ReadBack("+79123456707", long_text);
  ASSERT_EQ(answer.size(), 230u);
  Arrive(answer + "\r\n+CMTI: \"SM\",12\r\n");
  links::Timer2Timer(st, link);
  EXPECT_EQ(st.form.ComboBox2.Items, std::vector<std::string>{"3 9123456707"});
  EXPECT_EQ(st.state.SmsChargeQueue[1], 7);
  links::DispatchModemJob(st, link);
  Arrive("\r\nOK\r\n");
  links::DispatchModemJob(st, link);
  EXPECT_EQ(Writes(), (std::vector<std::string>{"AT+CMGD=3\r\n", "AT+CMGR=12\r\n"}));
}

// The modem's final result for the read, with no message before it: the slot is
// empty, the job ends and nothing is deleted. A final result that follows another
// command's answer is not the read's.
TEST_F(SmsInboxTest, SmsReadEndsOnAFinalResultWithoutAMessage) {
  using enum links::ModemJob;
  const struct {
    const char* bytes;
    links::ModemJob request_after;
  } cases[] = {
      {"\r\nOK\r\n", Idle},
      {"AT+CMGR=3\r\r\nOK\r\n", Idle},
      {"\r\n+CMS ERROR: 321\r\n", Idle},
      {"\r\nERROR\r\n", Idle},
      {"AT+CMGR=3\r\r\n+CMGR: 0,,0\r\n\r\nOK\r\n", Idle},
      {"\r\n+CMGS: 12\r\n\r\nOK\r\n", Reading},  // the result of an SMS sent before
      {"AT+CMGR=3\r", Reading},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    InboxRig t;
    t.Arrive(c.bytes);
    EXPECT_EQ(t.link.modem.ModemRequest, c.request_after);
    links::DispatchModemJob(t.st, t.link);
    EXPECT_TRUE(t.fakes.modem.writes.empty());
    EXPECT_TRUE(t.st.form.ComboBox2.Items.empty());
  }
}

TEST_F(SmsInboxTest, SmsSenderFieldNearTheStartOfTheReadFails) {
  // quote at byte 8: no eleven digits before it
  Arrive("\r\n+CMGR:\",,\r\n.1111111111111111\r\n\r\nOK\r\n");
  EXPECT_EQ(link.modem.SmsSender, "\r\n+CMGR:");
  EXPECT_TRUE(st.form.ComboBox2.Items.empty());
  EXPECT_EQ(link.modem.ModemRequest, links::ModemJob::DeleteQueued);
}

TEST_F(SmsInboxTest, SmsReadBackOnlyInStateRd) {
  link.modem.ModemRequest = links::ModemJob::Idle;
  Arrive(ReadBack("+79123456707", ".1111111111111111"));
  EXPECT_TRUE(st.form.ComboBox2.Items.empty());
  EXPECT_EQ(link.modem.ModemRequest, links::ModemJob::Idle);
}

// A new-message notice through Timer2, Timer1 and the main cycle.
struct SmsScenario : ::testing::Test, ModemRig {
  void SetUp() override {
    monitor::Timer3Timer(st);  // start-up: "AT", answered
    Arrive("\r\nOK\r\n");
    st.form.StringGrid3.Cells(2, 7) = "9123456707";
    st.state.ChannelPhone[7] = "9123456707";
    st.form.StringGrid3.Cells(3, 7) = "100";
    st.form.Edit1.Text = "2";
  }
};

TEST_F(SmsScenario, SmsNoticeToReadBackToScreenAndDelete) {
  Arrive("\r\n+CMTI: \"SM\",3\r\n");
  EXPECT_EQ(link.modem.ModemRequest, links::ModemJob::ReadQueued);
  links::Timer1Timer(st, link);
  EXPECT_EQ(fakes.modem.LastWrite(), "AT+CMGR=3\r\n");

  Arrive(ReadBack("+79123456707", "Obj 7.10000000000000012"));
  monitor::Timer3Timer(st);  // the next main-cycle pass
  const auto& signals = st.form.StringGrid1;
  EXPECT_EQ(signals.Cells(2, monitor::SignalRow(7, 1)), "Вкл");
  EXPECT_EQ(signals.Cells(2, monitor::SignalRow(7, 2)), "");
  EXPECT_EQ(signals.Cells(2, monitor::SignalRow(7, 16)), "Вкл");
  EXPECT_EQ(st.core.ChannelStamp[7], 0x8001);
  EXPECT_FALSE(st.state.RxGsm.NewData);
  EXPECT_EQ(st.form.StringGrid3.Cells(3, 7), "98");
  EXPECT_TRUE(st.state.OutputState[7].P2);
  EXPECT_EQ(st.form.ComboBox2.Items.front(), "3 9123456707");

  links::Timer1Timer(st, link);
  EXPECT_EQ(fakes.modem.LastWrite(), "AT+CMGD=3\r\n");
  Arrive("\r\nOK\r\n");
  EXPECT_EQ(link.modem.ModemRequest, links::ModemJob::Idle);
}

// Two notices in one read, a third while a delete is pending: every slot is read,
// applied, charged and deleted once, in the order of the notices.
TEST_F(SmsScenario, SmsEveryNotifiedSlotIsReadAppliedChargedAndDeletedOnce) {
  st.form.StringGrid3.Cells(2, 9) = "9123456709";
  st.state.ChannelPhone[9] = "9123456709";
  st.form.StringGrid3.Cells(3, 9) = "100";
  const std::map<std::string, std::string> sim = {
      {"4", ReadBack("+79123456707", ".1000000000000000")},
      {"5", ReadBack("+79123456709", ".0100000000000000")},
      {"6", ReadBack("+79123456707", ".0010000000000000")},
  };
  std::vector<std::string> sent;
  // One Timer1 tick; a read gets its slot's answer; one main-cycle pass books it.
  const auto step = [&](const std::string& also_arriving = "") {
    const std::size_t before = fakes.modem.writes.size();
    links::Timer1Timer(st, link);
    for (std::size_t i = before; i < fakes.modem.writes.size(); ++i) {
      const std::string w(fakes.modem.writes[i].begin(), fakes.modem.writes[i].end());
      sent.push_back(w);
      if (w.rfind("AT+CMGR=", 0) == 0) Arrive(sim.at(w.substr(8, w.size() - 10)));
      if (w.rfind("AT+CMGD=", 0) == 0) Arrive("\r\nOK\r\n");
    }
    if (!also_arriving.empty()) Arrive(also_arriving);
    monitor::Timer3Timer(st);
  };
  Arrive("\r\n+CMTI: \"SM\",4\r\n\r\n+CMTI: \"SM\",5\r\n");
  step("\r\n+CMTI: \"SM\",6\r\n");  // read 4; the notice comes while its delete waits
  for (int i = 0; i < 6; ++i) step();
  EXPECT_EQ(sent, (std::vector<std::string>{"AT+CMGR=4\r\n", "AT+CMGD=4\r\n", "AT+CMGR=5\r\n",
                                            "AT+CMGD=5\r\n", "AT+CMGR=6\r\n", "AT+CMGD=6\r\n"}));
  EXPECT_EQ(st.form.ComboBox2.Items,
            (std::vector<std::string>{"6 9123456707", "5 9123456709", "4 9123456707"}));
  EXPECT_EQ(st.form.StringGrid3.Cells(3, 7), "96");
  EXPECT_EQ(st.form.StringGrid3.Cells(3, 9), "98");
  EXPECT_EQ(st.form.StringGrid1.Cells(2, monitor::SignalRow(9, 2)), "Вкл");
  EXPECT_EQ(st.form.StringGrid1.Cells(2, monitor::SignalRow(7, 3)), "Вкл");
}

}  // namespace
