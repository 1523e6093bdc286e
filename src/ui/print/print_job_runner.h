// Running a print job off the ui thread: a window-modal progress box with
// "中止" shows the pictures done while a worker renders; the caller waits in
// an event loop, so the window keeps painting and cancel acts at once.
#pragma once

#include "ui/print/print_renderer.h"

class QPrinter;
class QWidget;

namespace pictra::ui {

// Renders `job` on `printer` (which nothing else may touch meanwhile) and
// returns when the job has ended, been cancelled or could not start.
PrintReport runPrintJob(QWidget* parent, QPrinter& printer, PrintJob job);

} // namespace pictra::ui
