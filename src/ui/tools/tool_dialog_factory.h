// Making the dialog of an image tool.
#pragma once

#include "ui/tools/c_tool_dialog.h"

#include <memory>

namespace pictra::ui {

// The tool's dialog (the histogram tool's included).
std::unique_ptr<CToolDialog> makeToolDialog(ToolContext context, ImageTool tool, QWidget* parent);

} // namespace pictra::ui
