// Qt's printing for pictra-cli.
#include "cli_printer.h"

#include "cli_context.h"

namespace pictra::cli {

CliPrinter openCliPrinter(const std::string& pdf, const std::string& printerName)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "pictra-cli";
    static char* argv[] = {name, nullptr};
    CliPrinter out;
    out.app = std::make_unique<QGuiApplication>(argc, argv);
    out.printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!pdf.empty()) {
        out.printer->setOutputFormat(QPrinter::PdfFormat);
        out.printer->setOutputFileName(QString::fromStdString(pdf));
        return out;
    }
    out.printer->setPrinterName(QString::fromStdString(printerName));
    if (!out.printer->isValid() || out.printer->printerName() != QString::fromStdString(printerName)) {
        printError("no printer named \"" + printerName + "\"");
        out.printer.reset();
    }
    return out;
}

} // namespace pictra::cli
