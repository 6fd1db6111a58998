#include "widgets/TextPrinter.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cerrno>

#include "core/Messages.h"
#include "core/TextFile.h"
#include "widgets/QtMessages.h"

namespace vantor {

namespace {

// The whole file, or the system error number.
bool ReadWhole(const std::string& path, std::string& bytes, int& error) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return false;
    }
    char buffer[65536];
    while (true) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            error = errno;
            ::close(fd);
            return false;
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return true;
}

}  // namespace

QStringList TextPrinter::Pieces(const QString& text, int width) {
    width = std::max(width, 1);
    QStringList pieces;
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype end = at;
        while (end < text.size() && end - at < width && text[end] != '\n')
            ++end;
        if (end < text.size() && text[end] == '\n') ++end;  // the line end ends the piece
        pieces.push_back(text.mid(at, end - at));
        at = end;
    }
    return pieces;
}

int TextPrinter::PrintFile(const std::string& path) {
    std::string bytes;
    int error = 0;
    if (!ReadWhole(path, bytes, error)) {
        ShowPlain(CantOpenMessage(path, error));
        return 0;
    }
    // Read as text: CR LF line ends become one line end.
    QString text = QtMessages::FromBytes(bytes);
    text.replace("\r\n", "\n");
    return PrintText(text, QString::fromLocal8Bit(path.c_str()));
}

int TextPrinter::PrintText(const QString& text, const QString& docName) {
    printer_.setDocName(docName);
    QPainter painter;
    if (!painter.begin(&printer_)) {
        ShowPlain("The printer could not be started; nothing was printed.", "Error");
        return 0;
    }
    QFontMetrics metrics = painter.fontMetrics();
    layout_.lineHeight = std::max(1, metrics.height() + metrics.leading());
    layout_.charsPerLine = std::max(2, printer_.width() / std::max(1, metrics.averageCharWidth()));
    layout_.linesPerPage = std::max(1, printer_.height() / layout_.lineHeight);

    int pages = 1;
    int line = 0;
    for (QString piece : Pieces(text, layout_.charsPerLine - 1)) {
        if (line == layout_.linesPerPage) {
            printer_.newPage();
            ++pages;
            line = 0;
        }
        // Tabs go to the device as they are; the line end itself draws nothing.
        while (piece.endsWith('\n') || piece.endsWith('\r'))
            piece.chop(1);
        painter.drawText(QPoint(0, layout_.lineHeight * line + metrics.ascent()), piece);
        ++line;
    }
    painter.end();
    return pages;
}

}  // namespace vantor
