#pragma once
// The commands that act on every window of the session.

namespace kvx {

// Every listed window into the normal, minimised or maximised state.
void showAll();
void minimizeAll();
void maximizeAll();

}  // namespace kvx
