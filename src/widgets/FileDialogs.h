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
    // Lets the user pick and set up the printer; false when cancelled.
    virtual bool SetUpPrinter(QWidget* parent, QPrinter& printer) = 0;
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
    bool SetUpPrinter(QWidget* parent, QPrinter& printer) override;
};

// Answers from a script: each dialog takes the next path (nothing = Cancel);
// the printer prints to a PDF file. Records what each dialog asked.
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
    // Where printing goes; empty cancels the print dialog.
    void SetPrintFile(const std::string& pdfPath) { printFile_ = pdfPath; }

    std::optional<std::string> OpenFile(QWidget* parent, const QString& title,
                                        const QStringList& filters) override;
    std::optional<std::string> SaveFile(QWidget* parent, const QString& title,
                                        const QStringList& filters) override;
    bool SetUpPrinter(QWidget* parent, QPrinter& printer) override;

    const std::vector<Asked>& AskedDialogs() const { return asked_; }
    size_t PendingAnswers() const { return answers_.size(); }

  private:
    std::optional<std::string> Next();
    std::deque<std::optional<std::string>> answers_;
    std::vector<Asked> asked_;
    std::string printFile_;
    IFileDialogs* previous_;
};

}  // namespace vantor
