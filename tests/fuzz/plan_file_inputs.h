// The plan settings file, the one file both programs read: the console when it
// shows a channel's plan, the designer at its start-up and in its read command.
// Every input meets a fresh working folder.
#pragma once

#include <cstddef>
#include <cstdint>

namespace fuzz {

// The whole input is the file's content. Where the console takes the file, the
// designer's start-up must take it too and place every marker where the console
// does; otherwise the input ends the process.
void FeedPlanFile(const std::uint8_t* data, std::size_t size);

}  // namespace fuzz
