#pragma once
// Prints a text file (a test file or a report) as it stands: line after line
// in the printer's default font, long lines continued on the next printed
// line, a new page when one is full.
#include <QString>
#include <string>

class QPrinter;

namespace vantor {

class TextPrinter {
  public:
    // What fits on the printer's page in its default font.
    struct Layout {
        int lineHeight = 0;    // character height plus external leading
        int charsPerLine = 0;  // printable width over the average character width
        int linesPerPage = 0;  // printable height over the line height
    };

    explicit TextPrinter(QPrinter& printer) : printer_(printer) {}

    // Prints the file; the number of pages printed, or 0 when the file could
    // not be read ("Can't open file ...") or the printer could not start
    // (both told to the user).
    int PrintFile(const std::string& path);
    // Prints text that was already read; the document is named docName.
    int PrintText(const QString& text, const QString& docName);

    // The layout the last print used.
    const Layout& LastLayout() const { return layout_; }

    // Cuts text (line ends as '\n') into printed lines: pieces of at most
    // width characters, each ending early at a line end; a line end right
    // after a full piece ends that piece. The line ends stay in the pieces.
    static QStringList Pieces(const QString& text, int width);

  private:
    QPrinter& printer_;
    Layout layout_;
};

}  // namespace vantor
