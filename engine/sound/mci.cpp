// Our interpreter of the MCI command strings for one MIDI sequencer device:
// open, seek to the start, play (with end notification), stop, close and
// the status of its mode, on the platform's sequencer.
#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

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

// The elements of a command, views into its text; no command we know has more.
constexpr size_t kMaxElements = 8;
struct Elements {
  std::array<std::string_view, kMaxElements> at;
  size_t count = 0;
  std::string_view operator[](size_t i) const { return at[i]; }
  size_t size() const { return count; }
};

bool Space(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// False when the command has more elements than any we know.
bool Split(std::string_view command, Elements& out) {
  size_t i = 0;
  while (i < command.size()) {
    if (Space(command[i])) {
      ++i;
      continue;
    }
    if (out.count == kMaxElements) return false;
    if (command[i] == '"') {  // a quoted element may hold spaces
      const size_t close = command.find('"', i + 1);
      const size_t end = close == std::string_view::npos ? command.size() : close;
      out.at[out.count++] = command.substr(i + 1, end - i - 1);
      i = end + 1;
    } else {
      size_t end = i;
      while (end < command.size() && !Space(command[end])) ++end;
      out.at[out.count++] = command.substr(i, end - i);
      i = end;
    }
  }
  return true;
}

using plat::SameNoCase;

bool IsOurDevice(std::string_view name) { return gDevice.open && SameNoCase(name, gDevice.alias); }

// The file named by an element, matched without regard to case like the
// program's other files.
std::string ResolvePath(std::string_view element) {
  const size_t slash = element.rfind('/');
  if (slash == std::string_view::npos) return plat::FindFileNoCase("./", std::string(element));
  return plat::FindFileNoCase(std::string(element.substr(0, slash + 1)),
                              std::string(element.substr(slash + 1)));
}

int Open(const Elements& t) {
  if (t.size() < 2) return koSound::kMciMissingParameter;
  std::string_view alias = t[1];
  for (size_t i = 2; i < t.size(); i += 2) {
    if (i + 1 >= t.size()) return koSound::kMciMissingParameter;
    if (SameNoCase(t[i], "type")) {
      if (!SameNoCase(t[i + 1], "sequencer")) return koSound::kMciInvalidDeviceName;
    } else if (SameNoCase(t[i], "alias")) {
      alias = t[i + 1];
    } else {
      return koSound::kMciUnrecognizedCommand;
    }
  }
  if (gDevice.open)
    return IsOurDevice(alias) ? koSound::kMciDuplicateAlias : koSound::kMciDeviceOpen;
  // The program's songs were read at start-up; any other is read now.
  if (!plat::MidiOpenLoaded(t[1]) && !plat::MidiOpen(ResolvePath(t[1])))
    return koSound::kMciFileNotFound;
  gDevice.open = true;
  gDevice.alias = alias;
  gDevice.pendingNotify = 0;
  return koSound::kMciOk;
}

enum class Verb { kUnknown, kOpen, kSeek, kPlay, kStop, kClose, kStatus };

Verb VerbOf(std::string_view word) {
  static constexpr std::pair<std::string_view, Verb> kVerbs[] = {
      {"open", Verb::kOpen}, {"seek", Verb::kSeek},   {"play", Verb::kPlay},
      {"stop", Verb::kStop}, {"close", Verb::kClose}, {"status", Verb::kStatus}};
  for (const auto& [name, verb] : kVerbs)
    if (SameNoCase(word, name)) return verb;
  return Verb::kUnknown;
}

int Command(const Elements& t, const char*& reply) {
  const Verb verb = VerbOf(t[0]);
  if (verb == Verb::kUnknown) return koSound::kMciUnrecognizedCommand;
  if (verb == Verb::kOpen) return Open(t);
  if (t.size() < 2 || !IsOurDevice(t[1])) return koSound::kMciInvalidDeviceName;
  if (verb == Verb::kStatus) {
    if (t.size() != 3 || !SameNoCase(t[2], "mode")) return koSound::kMciMissingParameter;
    reply = plat::GetMidiMode() == plat::MidiMode::kPlaying ? "playing" : "stopped";
    return koSound::kMciOk;
  }
  // Every other command supersedes a pending notification.
  gDevice.pendingNotify = 0;
  switch (verb) {
    case Verb::kSeek:
      if (t.size() != 4 || !SameNoCase(t[2], "to") || !SameNoCase(t[3], "start"))
        return koSound::kMciMissingParameter;
      plat::MidiSeek(0);
      break;
    case Verb::kPlay: {
      const bool notify = t.size() == 3 && SameNoCase(t[2], "notify");
      if (t.size() > 3 || (t.size() == 3 && !notify)) return koSound::kMciUnrecognizedCommand;
      const uint32_t serial = notify ? ++gDevice.lastSerial : 0;
      if (!plat::MidiPlay(serial)) return koSound::kMciFileNotFound;
      gDevice.pendingNotify = serial;
      break;
    }
    case Verb::kStop:
      plat::MidiStop();
      break;
    default:  // close
      plat::MidiClose();
      gDevice.open = false;
      gDevice.alias.clear();
      break;
  }
  return koSound::kMciOk;
}

}  // namespace

namespace koSound {

int SendMciString(std::string_view command, std::string* reply) {
  if (gListener) gListener(command);
  const char* answer = "";
  Elements t;
  const int result =
      !Split(command, t) || t.size() == 0 ? kMciUnrecognizedCommand : Command(t, answer);
  if (reply) reply->assign(answer);  // short enough never to need the heap
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
