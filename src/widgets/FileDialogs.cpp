#include "widgets/FileDialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/TextUtil.h"

namespace vantor {

namespace {
IFileDialogs* g_dialogs = nullptr;

std::optional<std::string> PathOf(const QString& chosen) {
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toLocal8Bit().toStdString();
}
}  // namespace

IFileDialogs& FileDialogs() {
    static QtFileDialogs real;
    return g_dialogs ? *g_dialogs : real;
}

void SetFileDialogs(IFileDialogs* dialogs) {
    g_dialogs = dialogs;
}

std::optional<std::string> QtFileDialogs::OpenFile(QWidget* parent, const QString& title,
                                                   const QStringList& filters) {
    QString selected = filters.value(0);
    return PathOf(
        QFileDialog::getOpenFileName(parent, title, QString(), filters.join(";;"), &selected));
}

std::optional<std::string> QtFileDialogs::SaveFile(QWidget* parent, const QString& title,
                                                   const QStringList& filters) {
    QString selected = filters.value(0);
    // The editor adds the extension itself, by its own rule.
    return PathOf(
        QFileDialog::getSaveFileName(parent, title, QString(), filters.join(";;"), &selected));
}

bool IFileDialogs::SetUpPrinter(QWidget* parent, QPrinter& printer) {
    if (HasPrinter()) return PrintDialog(parent, printer);
    // Without a printer the print dialog has nowhere to send the pages: a
    // PDF file is the one place a print can go.
    auto path = SaveFile(parent, "Print to PDF", {"PDF File (*.pdf)"});
    if (!path) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromLocal8Bit(WithExtension(*path, "pdf").c_str()));
    return true;
}

bool QtFileDialogs::HasPrinter() {
    return !QPrinterInfo::availablePrinters().isEmpty();
}

bool QtFileDialogs::PrintDialog(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    // All pages, no page range, no selection; a PDF file is offered beside
    // the printers.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

ScriptedFileDialogs::ScriptedFileDialogs() : previous_(g_dialogs) {
    SetFileDialogs(this);
}

ScriptedFileDialogs::~ScriptedFileDialogs() {
    SetFileDialogs(previous_);
}

std::optional<std::string> ScriptedFileDialogs::Next() {
    if (answers_.empty()) return std::nullopt;
    auto answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

std::optional<std::string> ScriptedFileDialogs::OpenFile(QWidget*, const QString& title,
                                                         const QStringList& filters) {
    asked_.push_back({"open", title, filters});
    return Next();
}

std::optional<std::string> ScriptedFileDialogs::SaveFile(QWidget*, const QString& title,
                                                         const QStringList& filters) {
    asked_.push_back({"save", title, filters});
    return Next();
}

bool ScriptedFileDialogs::PrintDialog(QWidget*, QPrinter& printer) {
    asked_.push_back({"print", {}, {}});
    if (printFile_.empty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromLocal8Bit(printFile_.c_str()));
    return true;
}

}  // namespace vantor
