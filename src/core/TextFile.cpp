#include "core/TextFile.h"

#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "core/Messages.h"
#include "core/Qx5Format.h"
#include "core/TextUtil.h"

namespace vantor {

std::string CantOpenMessage(std::string_view path, int error) {
    std::string m = "Can't open file ";
    m += path;
    m += ", error = ";
    m += std::to_string(static_cast<unsigned>(error));
    m += '\n';
    return m;
}

void ReportCantOpen(std::string_view path, int error) {
    ShowPlain(CantOpenMessage(path, error), "Error");
}

std::string NotRegularFileMessage(std::string_view path) {
    return std::string(path) + " is not a regular file; nothing was read from it.";
}

bool TextLines::Load(const std::string& path, bool reportOpenFailure) {
    lines_.clear();
    bytes_.clear();
    // Without O_NONBLOCK the open itself would wait for a writer of a FIFO.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (reportOpenFailure) ReportCantOpen(path, errno);
        return false;
    }
    // A FIFO, a device or a socket may never end. A folder fails at the read
    // below with the can't-open message, as it always did.
    struct stat status {};
    if (::fstat(fd, &status) == 0 && !S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode)) {
        ::close(fd);
        ShowPlain(NotRegularFileMessage(path), "Error");
        return false;
    }
    std::string bytes;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && info.st_size > 0)
        bytes.reserve(static_cast<size_t>(info.st_size));
    char buf[65536];
    while (true) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            int error = errno;  // a folder, or a read fault
            ::close(fd);
            if (reportOpenFailure) ReportCantOpen(path, error);
            return false;
        }
        if (n == 0) break;
        bytes.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    bytes_ = std::move(bytes);
    CutLines();
    return true;
}

void TextLines::SetContent(std::string_view bytes) {
    bytes_ = bytes;
    CutLines();
}

void TextLines::CutLines() {
    lines_.clear();
    const std::string_view bytes = bytes_;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t nl = bytes.find('\n', start);
        size_t end = nl == std::string_view::npos ? bytes.size() : nl;
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines_.emplace_back(line);
        if (nl == std::string_view::npos) break;
        start = nl + 1;
    }
}

bool IsMarkerLine(std::string_view line) {
    return line.find('|') == std::string_view::npos && TrimWhite(line).starts_with("----- ");
}

bool IsMarkerLine(std::string_view line, std::string_view marker) {
    return TrimWhite(line) == marker;
}

int TextLines::FindMarker(std::string_view marker) const {
    for (size_t i = 0; i < lines_.size(); ++i)
        if (IsMarkerLine(lines_[i], marker)) return static_cast<int>(i);
    return -1;
}

namespace {
bool StartsWith(std::string_view s, std::string_view p) {
    return s.substr(0, p.size()) == p;
}
}  // namespace

std::optional<TextLine> TextLines::StrictSingle(std::string_view marker) const {
    auto records = StrictRepeated(marker);
    if (!records || records->empty()) return std::nullopt;
    return records->front();
}

std::optional<std::vector<TextLine>> TextLines::StrictRepeated(std::string_view marker) const {
    int m = FindMarker(marker);
    if (m < 0) return std::nullopt;
    size_t i = static_cast<size_t>(m) + 1;
    // Past the last line the file reads as one empty line.
    auto lineAt = [&](size_t k) -> TextLine {
        if (k < lines_.size()) return {lines_[k], static_cast<int>(k) + 1};
        return {std::string_view(), static_cast<int>(lines_.size()) + 1};
    };
    TextLine first = lineAt(i);
    if (first.text.empty()) return std::nullopt;
    while (i < lines_.size() && StartsWith(lines_[i], "#"))
        ++i;
    first = lineAt(i);
    if (first.text.find('|') == std::string::npos) return std::nullopt;
    std::vector<TextLine> records;
    while (true) {
        TextLine line = lineAt(i);
        if (IsMarkerLine(line.text)) break;
        records.push_back(line);
        if (i >= lines_.size()) break;  // the empty line at the end of the file
        ++i;
        while (i < lines_.size() && StartsWith(lines_[i], "#"))
            ++i;
    }
    return records;
}

std::optional<size_t> TextLines::FirstRecordIndex(std::string_view marker) const {
    int m = FindMarker(marker);
    if (m < 0) return std::nullopt;
    for (size_t i = static_cast<size_t>(m) + 1; i < lines_.size(); ++i) {
        const std::string_view line = lines_[i];
        if (line.find('|') != std::string::npos && !StartsWith(line, "#")) return i;
        if (line.find("-----") != std::string::npos) return std::nullopt;
    }
    return std::nullopt;
}

std::optional<TextLine> TextLines::TolerantFirst(std::string_view marker) const {
    auto i = FirstRecordIndex(marker);
    if (!i) return std::nullopt;
    return TextLine{lines_[*i], static_cast<int>(*i) + 1};
}

std::vector<TextLine> TextLines::TolerantRecords(std::string_view marker) const {
    std::vector<TextLine> records;
    auto first = FirstRecordIndex(marker);
    if (!first) return records;
    for (size_t i = *first; i < lines_.size(); ++i) {
        const std::string_view line = lines_[i];
        if (line.find('|') == std::string::npos || StartsWith(line, "#")) break;
        records.push_back({line, static_cast<int>(i) + 1});
    }
    return records;
}

std::optional<std::vector<TextLine>> TextLines::SideFileRecords(std::string_view marker) const {
    int m = FindMarker(marker);
    if (m < 0) return std::nullopt;
    std::vector<TextLine> records;
    for (size_t i = static_cast<size_t>(m) + 1; i < lines_.size(); ++i) {
        const std::string_view line = lines_[i];
        if (IsMarkerLine(line, kEndLine)) break;
        if (line.find('|') == std::string::npos || StartsWith(line, "#")) continue;
        records.push_back({line, static_cast<int>(i) + 1});
    }
    return records;
}

namespace {
// Writes all of bytes; the error number, or 0.
int WriteAll(int fd, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<size_t>(n);
    }
    return 0;
}
}  // namespace

namespace {
constexpr size_t kBlock = 1 << 16;
}  // namespace

TextSink::~TextSink() {
    // A sink left without finishing (a refused or failed save) takes its
    // temporary file with it.
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temporary_.c_str());
    }
}

TextSink& TextSink::operator+=(std::string_view text) {
    if (text_) {
        text_->append(text);
        return *this;
    }
    while (!text.empty()) {
        const size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            block_.append(text);
            break;
        }
        block_.append(text.substr(0, end));
        block_ += "\r\n";
        text.remove_prefix(end + 1);
        if (block_.size() >= kBlock) Flush();
    }
    if (block_.size() >= kBlock) Flush();
    return *this;
}

void TextSink::Flush() {
    if (error_) return;
    if (fd_ < 0) {
        temporary_ = *path_ + ".XXXXXX";
        fd_ = ::mkstemp(temporary_.data());
        if (fd_ < 0) {
            error_ = errno;
            return;
        }
    }
    error_ = WriteAll(fd_, block_);
    block_.clear();
}

bool SaveTextFile(const std::string& path, const std::function<bool(TextSink&)>& write) {
    TextSink sink(path);
    sink.block_.reserve(kBlock + 2);
    // A refused text is not told as a file that cannot be written.
    if (!write(sink)) return false;
    sink.Flush();  // creates the file even for no text
    int error = sink.error_;
    if (!error && ::fsync(sink.fd_) != 0 && errno != EINVAL) error = errno;
    if (sink.fd_ >= 0 && ::close(sink.fd_) != 0 && !error) error = errno;
    const int fd = sink.fd_;
    sink.fd_ = -1;
    // mkstemp creates the file for the owner only; give it the usual rights.
    if (!error) {
        mode_t mask = ::umask(0);
        ::umask(mask);
        ::chmod(sink.temporary_.c_str(), 0666 & ~mask);
    }
    if (!error && std::rename(sink.temporary_.c_str(), path.c_str()) != 0) error = errno;
    if (error) {
        if (fd >= 0) ::unlink(sink.temporary_.c_str());
        ReportCantOpen(path, error);
        return false;
    }
    return true;
}

bool SaveTextFile(const std::string& path, std::string_view text) {
    return SaveTextFile(path, [text](TextSink& out) {
        out += text;
        return true;
    });
}

bool RemoveStaleSideFile(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    if (!fs::exists(status) || fs::is_directory(status)) return true;
    if (fs::remove(path, ec) || !ec) return true;
    ShowPlain("Can't remove file " + path +
                  " of an earlier test, error = " + std::to_string(ec.value()) + "\n",
              "Error");
    return false;
}

}  // namespace vantor
