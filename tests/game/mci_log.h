// Records the MCI command strings the music sends while it lives, each with
// the frame that sent it.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "engine/sound/ko_sound.h"
#include "platform/headless/headless.h"

class MciLog {
 public:
  struct Command {
    int frame;
    std::string text;
  };

  MciLog() {
    active_ = this;
    koSound::SetMciListener(&Record);
  }
  ~MciLog() {
    koSound::SetMciListener(nullptr);
    active_ = nullptr;
  }
  MciLog(const MciLog&) = delete;
  MciLog& operator=(const MciLog&) = delete;

  // The frames that sent a command beginning with `prefix`, in order.
  std::vector<int> FramesOf(std::string_view prefix) const {
    std::vector<int> frames;
    for (const Command& c : commands_)
      if (std::string_view(c.text).starts_with(prefix)) frames.push_back(c.frame);
    return frames;
  }
  const std::vector<Command>& Commands() const { return commands_; }

 private:
  static void Record(std::string_view command) {
    // The frame counter has already moved past the frame that runs.
    if (active_) active_->commands_.push_back({headless::FrameIndex() - 1, std::string(command)});
  }
  static inline MciLog* active_ = nullptr;
  std::vector<Command> commands_;
};
