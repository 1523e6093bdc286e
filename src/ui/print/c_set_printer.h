// CSetPrinter: the printer set-up before a print job and for "プリンタの設定":
// Qt's print dialog on the session's printer, any CUPS printer or printing
// to a PDF file, without page ranges or a selection.
#pragma once

#include <QPrintDialog>

class QPrinter;

namespace pictra::ui {

class CSetPrinter : public QPrintDialog {
    Q_OBJECT
public:
    CSetPrinter(QPrinter* printer, QWidget* parent);
};

} // namespace pictra::ui
