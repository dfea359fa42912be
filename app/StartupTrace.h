#pragma once
// Where the start's time goes. Each step of the start notes the moment it
// ends (the system's monotonic clock, the same one every process reads);
// once the window has painted, the notes are written to standard error as
// "kalvix.startup <step> <ns> <cpu-ns>" lines (the clock, and the
// processor time the process has used) when the logging category
// "kalvix.startup" is enabled (QT_LOGGING_RULES="kalvix.startup.debug=true").
// The startup benchmark reads them to break the start into its steps.
// Noting costs two clock reads; nothing is written otherwise.

class QWidget;

namespace StartupTrace {

// `step` must be a string literal (kept, not copied).
void Mark(const char *step);
// Writes the notes taken so far, once, when the category is enabled.
void Flush();
// Notes "painted" and flushes when `window` has finished its first paint.
void FlushAfterFirstPaint(QWidget *window);

} // namespace StartupTrace
