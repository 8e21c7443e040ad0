// Process entry: hands the command line to the engine.
#include <string>

#include "engine/system/ko_system.h"

int main(int argc, char** argv) {
  std::string commandLine;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) commandLine += ' ';
    commandLine += argv[i];
  }
  return WinMain(commandLine.c_str());
}
