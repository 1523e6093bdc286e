// The printer of pictra-cli's print commands: Qt's printing without a
// window (the offscreen platform unless another is asked for), writing a PDF
// file or sending to a named printer.
#pragma once

#include <QGuiApplication>
#include <QPrinter>

#include <memory>
#include <string>

namespace pictra::cli {

struct CliPrinter {
    std::unique_ptr<QGuiApplication> app;
    std::unique_ptr<QPrinter> printer; // null (reason printed) when there is no such printer
};

// Exactly one of `pdf` and `printerName` is not empty.
CliPrinter openCliPrinter(const std::string& pdf, const std::string& printerName);

} // namespace pictra::cli
