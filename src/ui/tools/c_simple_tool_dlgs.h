// The tools with buttons or a list for their parameter: rotate (147), flip
// (148) and grey scale (152); and dialog 155 for the five tools without
// parameters (negative, noise filter, red, green and blue scale), titled
// by the tool it was made for.
#pragma once

#include "ui/tools/c_tool_dialog.h"

namespace pictra::ui {

class CRotateDlg : public CToolDialog {
    Q_OBJECT
public:
    CRotateDlg(ToolContext context, QWidget* parent);
};

class CFlipDlg : public CToolDialog {
    Q_OBJECT
public:
    CFlipDlg(ToolContext context, QWidget* parent);
};

class CGrayScaleDlg : public CToolDialog {
    Q_OBJECT
public:
    CGrayScaleDlg(ToolContext context, QWidget* parent);
};

class CFilterDlg : public CToolDialog {
    Q_OBJECT
public:
    CFilterDlg(ToolContext context, ImageTool tool, QWidget* parent);
};

} // namespace pictra::ui
