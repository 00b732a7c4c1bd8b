// The settings files of the working folder and the defaults written for them.
#pragma once

#include <string>
#include <vector>

namespace monitor {

inline constexpr const char* kSignalTableFile = "tab1.txt";
inline constexpr const char* kObjectNamesFile = "tab3.txt";
inline constexpr const char* kOperatorListFile = "tab4.txt";
inline constexpr const char* kBalancesFile = "tab5.txt";
inline constexpr const char* kChannelPhonesFile = "telefon.txt";
inline constexpr const char* kSupportPhonesFile = "telefona.txt";
inline constexpr const char* kPollPauseFile = "paut.txt";
inline constexpr const char* kHelpFile = "help.txt";

inline constexpr int kOperators = 6;  // the lines of tab4.txt
// A SIM balance in kopecks and the SMS price, as tab5.txt starts.
inline constexpr const char* kDefaultBalance = "10000";
inline constexpr const char* kDefaultSmsPrice = "190";

// 257 pairs: code "cc_ss" of pair n (channel n div 16 + 1, signal n mod 16 + 1), then n.
std::vector<std::string> DefaultSignalTable();
// " ЦТП " followed by c, for c = 1..16.
std::vector<std::string> DefaultObjectNames();
std::vector<std::string> DefaultOperatorList();
// 16 default balances, then the default price.
std::vector<std::string> DefaultBalances();
// 32 empty lines.
std::vector<std::string> DefaultChannelPhones();
// One empty line.
std::vector<std::string> DefaultSupportPhones();
// " Файл помощи help.txt ".
std::vector<std::string> DefaultHelp();

}  // namespace monitor
