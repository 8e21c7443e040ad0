// The one window and its message queue.
#pragma once
#include <string_view>

#include "platform/messages.h"

namespace plat {

// Opens the desktop-sized window. On success an activation message (gained)
// is queued, so the application starts active even if no focus event comes.
bool OpenWindow(std::string_view title);
// Destroys the window; a destroy message follows in the queue.
void DestroyWindow();
bool WindowOpen();
// Minimises the window (to the task bar), if one is open.
void MinimizeWindow();

// Removes the next message, or returns false when none waits.
bool PeekMessage(Message& out);
// Blocks until a message waits (or, headless, until scripted input is due).
void WaitMessage();
// Safe from any thread.
void PostMessage(const Message& msg);
void PostQuitMessage(int code);

void ShowCursor(bool shown);
// Confines the pointer to the window, or releases it.
void ConfineCursor(bool on);
void WarpCursor(int x, int y);
// Text input (the input method) on or off.
void EnableTextInput(bool on);

}  // namespace plat
