// CSetPrinter: the printer set-up before a print job and for "プリンタの設定":
// Qt's print dialog on the session's printer, any CUPS printer or printing
// to a PDF file, without page ranges or a selection. The printer's
// properties window starts on the printer's page as the job set it; the
// page changes only when the user confirms another one there (Qt's own
// dialog would otherwise put the printer's default paper in its place).
#pragma once

#include <QPageLayout>
#include <QPointer>
#include <QPrintDialog>

class QPrinter;

namespace pictra::ui {

class CSetPrinter : public QPrintDialog {
    Q_OBJECT
public:
    CSetPrinter(QPrinter* printer, QWidget* parent);

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startOnJobPage(QWidget& properties);

    QPageLayout m_jobPage;
    QPointer<QObject> m_confirmedBy; // the properties window last accepted
};

} // namespace pictra::ui
