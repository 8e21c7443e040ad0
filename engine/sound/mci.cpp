// Our interpreter of the MCI command strings for one MIDI sequencer device:
// open, seek to the start, play (with end notification), stop, close and
// the status of its mode, on the platform's sequencer.
#include <algorithm>
#include <cctype>
#include <vector>

#include "engine/sound/ko_sound.h"
#include "platform/midi.h"
#include "platform/system.h"

namespace {

struct Device {
  bool open = false;
  std::string alias;
  uint32_t lastSerial = 0;
  uint32_t pendingNotify = 0;  // serial of the play notification still to come, 0 none
};

Device gDevice;
koSound::MciListener gListener = nullptr;

std::vector<std::string> Tokens(const std::string& command) {
  std::vector<std::string> out;
  size_t i = 0;
  while (i < command.size()) {
    if (std::isspace(static_cast<unsigned char>(command[i]))) {
      ++i;
    } else if (command[i] == '"') {  // a quoted element may hold spaces
      const size_t close = command.find('"', i + 1);
      const size_t end = close == std::string::npos ? command.size() : close;
      out.push_back(command.substr(i + 1, end - i - 1));
      i = end + 1;
    } else {
      size_t end = i;
      while (end < command.size() && !std::isspace(static_cast<unsigned char>(command[end]))) ++end;
      out.push_back(command.substr(i, end - i));
      i = end;
    }
  }
  return out;
}

bool Is(const std::string& token, const char* word) {
  const std::string_view w(word);
  return token.size() == w.size() &&
         std::equal(token.begin(), token.end(), w.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == b;
         });
}

bool IsOurDevice(const std::string& name) {
  if (!gDevice.open || name.size() != gDevice.alias.size()) return false;
  return std::equal(name.begin(), name.end(), gDevice.alias.begin(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
  });
}

// The file named by an element, matched without regard to case like the
// program's other files.
std::string ResolvePath(const std::string& element) {
  const size_t slash = element.rfind('/');
  if (slash == std::string::npos) return plat::FindFileNoCase("./", element);
  return plat::FindFileNoCase(element.substr(0, slash + 1), element.substr(slash + 1));
}

int Open(const std::vector<std::string>& t) {
  if (t.size() < 2) return koSound::kMciMissingParameter;
  std::string alias = t[1];
  for (size_t i = 2; i < t.size(); i += 2) {
    if (i + 1 >= t.size()) return koSound::kMciMissingParameter;
    if (Is(t[i], "type")) {
      if (!Is(t[i + 1], "sequencer")) return koSound::kMciInvalidDeviceName;
    } else if (Is(t[i], "alias")) {
      alias = t[i + 1];
    } else {
      return koSound::kMciUnrecognizedCommand;
    }
  }
  if (gDevice.open)
    return IsOurDevice(alias) ? koSound::kMciDuplicateAlias : koSound::kMciDeviceOpen;
  if (!plat::MidiOpen(ResolvePath(t[1]))) return koSound::kMciFileNotFound;
  gDevice.open = true;
  gDevice.alias = alias;
  gDevice.pendingNotify = 0;
  return koSound::kMciOk;
}

int Command(const std::vector<std::string>& t, std::string& reply) {
  const std::string& verb = t[0];
  if (Is(verb, "open")) return Open(t);
  if (!Is(verb, "seek") && !Is(verb, "play") && !Is(verb, "stop") && !Is(verb, "close") &&
      !Is(verb, "status"))
    return koSound::kMciUnrecognizedCommand;
  if (t.size() < 2 || !IsOurDevice(t[1])) return koSound::kMciInvalidDeviceName;
  if (Is(verb, "status")) {
    if (t.size() != 3 || !Is(t[2], "mode")) return koSound::kMciMissingParameter;
    reply = plat::GetMidiMode() == plat::MidiMode::kPlaying ? "playing" : "stopped";
    return koSound::kMciOk;
  }
  // Every other command supersedes a pending notification.
  gDevice.pendingNotify = 0;
  if (Is(verb, "seek")) {
    if (t.size() != 4 || !Is(t[2], "to") || !Is(t[3], "start"))
      return koSound::kMciMissingParameter;
    plat::MidiSeek(0);
  } else if (Is(verb, "play")) {
    const bool notify = t.size() == 3 && Is(t[2], "notify");
    if (t.size() > 3 || (t.size() == 3 && !notify)) return koSound::kMciUnrecognizedCommand;
    const uint32_t serial = notify ? ++gDevice.lastSerial : 0;
    if (!plat::MidiPlay(serial)) return koSound::kMciFileNotFound;
    gDevice.pendingNotify = serial;
  } else if (Is(verb, "stop")) {
    plat::MidiStop();
  } else {
    plat::MidiClose();
    gDevice.open = false;
    gDevice.alias.clear();
  }
  return koSound::kMciOk;
}

}  // namespace

namespace koSound {

int SendMciString(const std::string& command, std::string* reply) {
  if (gListener) gListener(command);
  std::string answer;
  const std::vector<std::string> t = Tokens(command);
  const int result = t.empty() ? kMciUnrecognizedCommand : Command(t, answer);
  if (reply) *reply = answer;
  return result;
}

uint64_t MciNotifyCode(uint64_t wparam, int64_t lparam) {
  if (wparam != kMciNotifySuccessful || gDevice.pendingNotify == 0 ||
      lparam != static_cast<int64_t>(gDevice.pendingNotify))
    return kMciNotifySuperseded;
  gDevice.pendingNotify = 0;
  return kMciNotifySuccessful;
}

void SetMciListener(MciListener listener) { gListener = listener; }

}  // namespace koSound
