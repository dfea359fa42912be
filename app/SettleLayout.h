#pragma once
// Completing a window's layout before its first paint.

namespace SettleLayout {

// Handles the layout requests that showing a window posts, until none is
// left. Each handled layout asks its parent again with a new request, one
// level per pass of the event loop; the first expose of the window comes in
// between, so without this the window is painted half laid out and then
// again in full. Call right after show(), before the event loop runs.
void Now();

} // namespace SettleLayout
