// The engine's system services that the game never calls: the pad queries
// with their charges and meters, the integer files and the data-directory
// redirect, date and time, machine queries, key watching and capture, the
// release wait, the mouse and the error flag.
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/keys.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "tests/engine/engine_fixture.h"
#include "tests/support/scratch_dir.h"

namespace {

void Drain() {
  plat::Message m;
  while (plat::PeekMessage(m)) {
  }
}

// Pad 0 at (x, y) with `buttons`; pad 1 unplugged.
void Pad(uint32_t x, uint32_t y, uint32_t buttons = 0) {
  headless::SetPad(0, 0, true, x, y, buttons);
  headless::SetPad(0, 1, false);
  Drain();
}

using PadServiceTest = EngineTest;

TEST_F(PadServiceTest, PositionCentreButtonsEdgesAndKeypadFromOneReading) {
  headless::SetPad(0, 0, true, 30000, 34000);
  koSystem::InitProcessState();
  Drain();
  koSystem::InitJoystick();
  int x, y;
  koSystem::GetJoyCentre(0, x, y);
  EXPECT_TRUE(x == 30000 && y == 34000);
  Pad(123, 65000, 0b0101);
  koSystem::JoyGetPosition(0, x, y);
  EXPECT_TRUE(x == 123 && y == 65000);
  int b1, b2, b3, b4;
  koSystem::JoyButtons(0, b1, b2, b3, b4);
  EXPECT_TRUE(b1 == 1 && b2 == 0 && b3 == 1 && b4 == 0);
  int e1, e2, e3, e4;
  koSystem::JoyButtonEdges(0, e1, e2, e3, e4);
  EXPECT_TRUE(e1 == 1 && e2 == 0 && e3 == 1 && e4 == 0);  // pressed
  Pad(123, 65000, 0b0110);
  koSystem::JoyButtonEdges(0, e1, e2, e3, e4);
  EXPECT_TRUE(e1 == 2 && e2 == 1 && e3 == 3 && e4 == 0);  // released, pressed, held
  // The keypad: 7 8 9 / 4 5 6 / 1 2 3 with y growing downwards.
  const uint32_t low = 14999, mid = 30000, high = 45000;  // centre x 30000
  const uint32_t xs[] = {low, mid, high};
  const uint32_t ys[] = {16999, 34000, 51000};  // centre y 34000
  const int codes[3][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}};
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) {
      Pad(xs[col], ys[row]);
      EXPECT_EQ(koSystem::JoyKeypadDirection(0), codes[row][col]) << row << col;
    }
  // A pad that does not answer reads 0 everywhere and 5 on the keypad.
  koSystem::JoyGetPosition(1, x, y);
  koSystem::JoyButtons(1, b1, b2, b3, b4);
  koSystem::JoyButtonEdges(1, e1, e2, e3, e4);
  EXPECT_TRUE(x == 0 && y == 0 && b1 + b2 + b3 + b4 == 0 && e1 + e2 + e3 + e4 == 0);
  EXPECT_EQ(koSystem::JoyKeypadDirection(1), 5);
  koSystem::GetJoyCentre(2, x, y);
  EXPECT_TRUE(x == 0 && y == 0);
}

TEST_F(PadServiceTest, ChargesAndMetersRunAtTheirRatesWithinTheirBounds) {
  headless::SetPad(0, 0, true, 32767, 32767);
  koSystem::InitProcessState();
  Drain();
  koSystem::InitJoystick();
  koSystem::SetJoyRates(0, 60.0f, 80.0f);
  gFrameScale = 0.5f;  // 30 meter units and 40 charge units a call
  Pad(32767, 32767, 0b0001);
  EXPECT_EQ(koSystem::JoyCharge(0, 1), 40);
  EXPECT_EQ(koSystem::JoyCharge(0, 1), 80);
  EXPECT_EQ(koSystem::JoyCharge(0, 1), 100);  // held at 100
  int c1, c2, c3, c4;
  Pad(32767, 32767, 0b1000);
  koSystem::JoyCharges(0, c1, c2, c3, c4);  // button 1 let go: its charge drops to 0
  EXPECT_TRUE(c1 == 0 && c2 == 0 && c3 == 0 && c4 == 40);
  koSystem::JoyCharges(1, c1, c2, c3, c4);
  EXPECT_EQ(c1 + c2 + c3 + c4, 0);
  // Right and up: the x meter climbs to 100, the y meter falls to -100.
  Pad(65535, 0);
  int mx, my;
  for (int call = 0; call < 3; ++call) koSystem::JoyAxisMeters(0, mx, my);
  EXPECT_TRUE(mx == 90 && my == -90);
  koSystem::JoyAxisMeters(0, mx, my);
  EXPECT_TRUE(mx == 100 && my == -100);
  // Centred: both meters return towards 0 and stop there.
  Pad(32767, 32767);
  koSystem::JoyAxisMeters(0, mx, my);
  EXPECT_TRUE(mx == 70 && my == -70);
  for (int call = 0; call < 3; ++call) koSystem::JoyAxisMeters(0, mx, my);
  EXPECT_TRUE(mx == 0 && my == 0);
  Pad(65535, 32767);
  koSystem::JoyAxisMeters(0, mx, my);
  koSystem::JoyAxisMeters(1, c1, c2);  // a silent pad reads 0 and keeps its meters
  EXPECT_TRUE(c1 == 0 && c2 == 0);
  Pad(65535, 32767, 0b0010);
  koSystem::JoyCharge(0, 2);
  koSystem::ResetJoyMeters();
  Pad(32767, 32767, 0b0010);
  koSystem::JoyAxisMeters(0, mx, my);
  EXPECT_TRUE(mx == 0 && my == 0);
  EXPECT_EQ(koSystem::JoyCharge(0, 2), 40);  // from 0 again
  koSystem::SetJoyRates(5, 1.0f, 1.0f);      // no such pad: nothing changes
  EXPECT_EQ(koSystem::JoyCharge(0, 2), 80);
}

using SystemServiceTest = EngineTest;

TEST_F(SystemServiceTest, IntegerFilesLiveInTheProgramDirectoryOrUnderTheRedirect) {
  const std::string dir = ScratchDir("int-files");
  std::filesystem::create_directories(dir + "program");
  headless::SetProgramDir(dir + "program");
  gDataDir.clear();
  koSystem::WriteIntFile("count.txt", -1234);
  std::ifstream written(dir + "program/count.txt");
  std::string text((std::istreambuf_iterator<char>(written)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, "-1234");
  EXPECT_EQ(koSystem::ReadIntFile("count.txt"), -1234);
  EXPECT_EQ(koSystem::ReadIntFile("missing.txt"), 0);
  // The redirect file names a directory; the program's own folder name goes under it.
  std::filesystem::create_directories(dir + "data/program");
  std::ofstream(dir + "program/redirect.txt") << dir << "data/\nignored\n";
  koSystem::ReadDataDirRedirect("redirect.txt");
  EXPECT_EQ(gDataDir, dir + "data");
  koSystem::WriteIntFile("count.txt", 77);
  EXPECT_EQ(koSystem::ReadIntFile("count.txt"), 77);
  EXPECT_TRUE(std::filesystem::exists(dir + "data/program/count.txt"));
  koSystem::ReadDataDirRedirect("no-such-redirect.txt");
  EXPECT_EQ(gDataDir, "");
  EXPECT_EQ(koSystem::ReadIntFile("count.txt"), -1234);
  headless::SetProgramDir("");
}

TEST_F(SystemServiceTest, DateTimeVersionAndMachineQueries) {
  const char* tz = std::getenv("TZ");
  const std::string oldTz = tz ? tz : "";
  setenv("TZ", "UTC0", 1);
  tzset();
  headless::Reset(1000, 1700000000);  // Tuesday 14 November 2023, 22:13:20
  int year, month, day, hour, minute, second;
  std::string weekday;
  koSystem::GetDate(year, month, day, weekday);
  koSystem::GetTime(hour, minute, second);
  EXPECT_TRUE(year == 2023 && month == 11 && day == 14 && weekday == "火");
  EXPECT_TRUE(hour == 22 && minute == 13 && second == 20);
  if (tz)
    setenv("TZ", oldTz.c_str(), 1);
  else
    unsetenv("TZ");
  tzset();
  struct Version {
    int platform, major, minor, code;
  };
  for (const Version& v : {Version{1, 3, 10, 310}, Version{2, 4, 0, 950}, Version{2, 4, 10, 980},
                           Version{2, 3, 51, 351}, Version{3, 5, 1, 2000}, Version{3, 6, 1, 6010},
                           Version{0, 6, 1, -1}}) {
    headless::SetOsVersion(v.platform, v.major, v.minor);
    EXPECT_EQ(koSystem::GetWindowsVersion(), v.code) << v.platform << v.major << v.minor;
  }
  EXPECT_GT(koSystem::GetDiskFree('C'), 0u);
  EXPECT_GT(koSystem::GetFreeMemory(), 0u);
  // Always full screen: windowed play and its colour-depth question never come up.
  EXPECT_EQ(koSystem::IsWindowed(), 0);
  const int keptDepth = gDisplayDepth;
  for (int depth : {0, 8, 16, 24, 32}) {
    gDisplayDepth = depth;
    EXPECT_EQ(koSystem::CheckColorDepth("settings.dat"), 1) << depth;
  }
  gDisplayDepth = keptDepth;
  EXPECT_TRUE(headless::Boxes().empty());
}

// A watched key counts its releases; while keys are captured every edge reads
// 0; the release wait answers the listed key once it has gone down and up;
// and the command line is the one the program was given.
TEST_F(SystemServiceTest, WatchCaptureReleaseWaitAndTheCommandLine) {
  std::vector<int> waits, captured;
  int watched = -1;
  testgame::onLoad = [] {
    gScene = 1;
    koSystem::WatchKey('Z');
  };
  testgame::onScene = [&](int) {
    waits.push_back(koSystem::WaitKeyRelease('Q', 'X', 0));
    const int frame = static_cast<int>(waits.size());
    if (frame == 12) koSystem::BeginKeyCapture();
    int state = 0;
    koSystem::KeyEdge('Z', &state);
    if (frame >= 12) captured.push_back(state);
    watched = koSystem::GetWatchCount();
  };
  headless::KeyDown(2, 'Z');
  headless::KeyUp(3, 'Z');
  headless::KeyDown(4, 'X');
  headless::KeyUp(6, 'X');
  headless::KeyDown(8, 'Z');
  headless::KeyUp(9, 'Z');
  headless::KeyDown(13, 'Z');
  headless::Close(15);
  EXPECT_EQ(WinMain("-windowed stage=2"), 0);
  EXPECT_EQ(koSystem::GetCommandLine(), "-windowed stage=2");
  EXPECT_EQ(watched, 2);
  int answers = 0;
  for (int w : waits) answers += w != 0;
  EXPECT_EQ(answers, 1);
  EXPECT_NE(std::find(waits.begin(), waits.end(), 'X'), waits.end());
  ASSERT_GE(captured.size(), 3u);  // Z held down from frame 13 on
  EXPECT_EQ(captured, std::vector<int>(captured.size(), 0));
  koSystem::EndKeyCapture();
}

TEST_F(SystemServiceTest, MouseMessagesSetPositionAndButtonsUnlessCaptured) {
  gKeyCapture = 0;
  koSystem::OnMouseMessage(plat::kMsgMouseMove, plat::PackXY(123, 456));
  EXPECT_TRUE(gMouseX == 123 && gMouseY == 456);
  koSystem::OnMouseMessage(plat::kMsgLButtonDown, 0);
  EXPECT_TRUE(gMouseLeft == 1 && gMouseButton == 1 && gLastButton == 1);
  koSystem::OnMouseMessage(plat::kMsgLButtonUp, 0);
  EXPECT_TRUE(gMouseLeft == 0 && gMouseButton == 0);
  koSystem::OnMouseMessage(plat::kMsgRButtonDown, 0);
  EXPECT_TRUE(gMouseRight == 1 && gMouseButton == 2);
  koSystem::BeginKeyCapture();
  gMouseLeft = 0;
  koSystem::OnMouseMessage(plat::kMsgLButtonDown, 0);
  EXPECT_TRUE(gMouseLeft == 0 && gCaptureClick == 1);
  koSystem::EndKeyCapture();
  EXPECT_EQ(koSystem::IsCursorClipped(), 0);
  koSystem::ClipCursorToWindow();
  EXPECT_EQ(koSystem::IsCursorClipped(), 1);
  koSystem::UnclipCursor();
  EXPECT_EQ(koSystem::IsCursorClipped(), 0);
  koSystem::SetCursorPosInWindow(12, 34);  // client coordinates: the window adds its origin
  EXPECT_EQ(headless::LastCursorWarp(), std::make_pair(12, 34));
}

// The error flag reads back; with it set the program quits at once.
TEST_F(SystemServiceTest, QuitIfErrorEndsTheProgramOnlyWhenTheFlagIsSet) {
  int frames = 0;
  std::vector<int> flags;
  testgame::onScene = [&](int) {
    ++frames;
    gErrorFlag = frames == 3 ? 1 : 0;
    flags.push_back(koSystem::GetError());
    flags.push_back(koSystem::QuitIfError());
  };
  headless::Close(10);
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(frames, 3);
  EXPECT_EQ(flags, (std::vector<int>{0, 0, 0, 0, 1, 1}));
  gErrorFlag = 0;
}

}  // namespace
