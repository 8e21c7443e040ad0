// Shared pieces of the SDL backend.
#pragma once
#include <SDL.h>

namespace plat::sdl {

// Owner window for message boxes; null when none is open.
void SetMainWindow(SDL_Window* window);
// Brings the window forward when another start of the program asked for it.
void ServiceRaiseRequest(SDL_Window* window);
// Ends a wait for messages from any thread, so that the request is served.
void WakeMessageWait();
// A failure of the platform itself, told on stderr.
void ReportFailure(const char* what, const char* detail);

}  // namespace plat::sdl
