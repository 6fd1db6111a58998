#pragma once
// The editors' file and print dialogs behind one small interface, so that a
// test (or the screenshot run) can script the path a user would choose.
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <string>
#include <vector>

class QPrinter;
class QWidget;

namespace vantor {

class IFileDialogs {
  public:
    virtual ~IFileDialogs() = default;
    // The chosen file's path, or nothing when the user cancelled. Filters are
    // "Text (*.ext)" entries, the first one selected.
    virtual std::optional<std::string> OpenFile(QWidget* parent, const QString& title,
                                                const QStringList& filters) = 0;
    virtual std::optional<std::string> SaveFile(QWidget* parent, const QString& title,
                                                const QStringList& filters) = 0;
    // Lets the user choose where a print goes; false when cancelled. With a
    // printer installed that is the print dialog, which also offers a PDF
    // file; without one the user names the PDF file to print to (".pdf" is
    // added as the other save dialogs add their extension).
    bool SetUpPrinter(QWidget* parent, QPrinter& printer);

  protected:
    // Whether the system has any printer to offer.
    virtual bool HasPrinter() = 0;
    // The print dialog itself; false when cancelled.
    virtual bool PrintDialog(QWidget* parent, QPrinter& printer) = 0;
};

// The dialogs in use: the real ones unless a test installed others.
IFileDialogs& FileDialogs();
void SetFileDialogs(IFileDialogs* dialogs);

// The platform's own dialogs.
class QtFileDialogs : public IFileDialogs {
  public:
    std::optional<std::string> OpenFile(QWidget* parent, const QString& title,
                                        const QStringList& filters) override;
    std::optional<std::string> SaveFile(QWidget* parent, const QString& title,
                                        const QStringList& filters) override;

  protected:
    bool HasPrinter() override;
    bool PrintDialog(QWidget* parent, QPrinter& printer) override;
};

// Answers from a script: each dialog takes the next path (nothing = Cancel);
// the print dialog prints to a PDF file. There is a printer unless the test
// says there is none. Records what each dialog asked.
class ScriptedFileDialogs : public IFileDialogs {
  public:
    struct Asked {
        QString kind;  // "open", "save" or "print"
        QString title;
        QStringList filters;
    };

    ScriptedFileDialogs();
    ~ScriptedFileDialogs() override;
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    void Answer(std::optional<std::string> path) { answers_.push_back(std::move(path)); }
    // Where the print dialog prints; empty cancels the print dialog.
    void SetPrintFile(const std::string& pdfPath) { printFile_ = pdfPath; }
    void SetPrinterInstalled(bool installed) { printerInstalled_ = installed; }

    std::optional<std::string> OpenFile(QWidget* parent, const QString& title,
                                        const QStringList& filters) override;
    std::optional<std::string> SaveFile(QWidget* parent, const QString& title,
                                        const QStringList& filters) override;

    const std::vector<Asked>& AskedDialogs() const { return asked_; }
    size_t PendingAnswers() const { return answers_.size(); }

  protected:
    bool HasPrinter() override { return printerInstalled_; }
    bool PrintDialog(QWidget* parent, QPrinter& printer) override;

  private:
    std::optional<std::string> Next();
    std::deque<std::optional<std::string>> answers_;
    std::vector<Asked> asked_;
    std::string printFile_;
    bool printerInstalled_ = true;
    IFileDialogs* previous_;
};

}  // namespace vantor
