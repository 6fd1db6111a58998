#pragma once
// Reading and writing the program's text files. Files are read whole and cut
// into lines (CR LF or LF); they are written with CR LF through a temporary
// file in the same folder that replaces the target only when complete, so a
// failed save never destroys the previous file.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// "Can't open file %s, error = %u\n"
std::string CantOpenMessage(std::string_view path, int error);
void ReportCantOpen(std::string_view path, int error);

// A marker line ("----- TEST -----", "----- END -----" ...) stands alone on its
// line: blanks at its ends aside, the line is the marker. A line with a pipe is
// a record, whatever text its values hold, and never opens or ends a section.
bool IsMarkerLine(std::string_view line);
bool IsMarkerLine(std::string_view line, std::string_view marker);

// "PATH is not a regular file; nothing was read from it."
std::string NotRegularFileMessage(std::string_view path);

// A line points into the TextLines it came from and lives no longer.
struct TextLine {
    std::string_view text;
    int number = 0;  // 1-based line number in the file
};

class TextLines {
  public:
    // Reads the file; on failure shows the can't-open message when asked to.
    // Anything but a regular file or a folder (a FIFO, a device) is refused
    // with its own message, asked or not: it is never a missing side file.
    bool Load(const std::string& path, bool reportOpenFailure = true);
    void SetContent(std::string_view bytes);

    size_t Size() const { return lines_.size(); }
    std::string_view operator[](size_t i) const { return lines_[i]; }
    const std::vector<std::string_view>& Lines() const { return lines_; }

    // Index of the first marker line of this marker, or -1.
    int FindMarker(std::string_view marker) const;

    // Strict shape. nullopt when the section is absent. For a repeated
    // section the records run up to the next marker line; reaching the end
    // of the file yields one last empty record (which fails its pipe check).
    std::optional<TextLine> StrictSingle(std::string_view marker) const;
    std::optional<std::vector<TextLine>> StrictRepeated(std::string_view marker) const;

    // Tolerant shape: after the marker, skip lines until one contains '|' and
    // does not begin with '#'. nullopt when the marker is missing or a skipped
    // line holds "-----" (the section has no record).
    std::optional<TextLine> TolerantFirst(std::string_view marker) const;
    // Tolerant repeated records: from the first record on, every line with a
    // pipe not starting with '#', until a line that has no pipe (a marker line
    // among them) or starts with '#', or the end of the file. Empty when absent.
    std::vector<TextLine> TolerantRecords(std::string_view marker) const;

    // Side-file shape (".hs5", ".ip5"): after the marker, every line with a
    // pipe not starting with '#', until the "----- END -----" line or the end
    // of the file. nullopt when the marker is missing.
    std::optional<std::vector<TextLine>> SideFileRecords(std::string_view marker) const;

  private:
    std::optional<size_t> FirstRecordIndex(std::string_view marker) const;
    void CutLines();
    // The file's bytes once; the lines are views into them.
    std::string bytes_;
    std::vector<std::string_view> lines_;
};

// Text on its way to a file: a writer appends lines ending in '\n' as to a
// string, and they go out a block at a time with CR LF ends, so a test of any
// size never needs its whole file in memory.
class TextSink {
  public:
    // Collects the text into `text` instead, as it is given.
    explicit TextSink(std::string& text) : text_(&text) {}
    TextSink(const TextSink&) = delete;
    TextSink& operator=(const TextSink&) = delete;
    ~TextSink();

    TextSink& operator+=(std::string_view text);
    TextSink& operator+=(char c) { return *this += std::string_view(&c, 1); }

  private:
    friend bool SaveTextFile(const std::string& path, const std::function<bool(TextSink&)>& write);
    explicit TextSink(const std::string& path) : path_(&path) {}
    // Sends the block to the temporary file, which the first block creates.
    void Flush();

    std::string* text_ = nullptr;
    const std::string* path_ = nullptr;
    std::string temporary_;
    int fd_ = -1;
    int error_ = 0;
    std::string block_;
};

// Writes to path with CR LF line ends, atomically: `write` appends the text
// and answers whether the file is wanted after all. Shows the can't-open
// message and returns false on any failure; on a failure or a `write` that
// answers false the previous file, if any, is left as it was.
bool SaveTextFile(const std::string& path, const std::function<bool(TextSink&)>& write);
bool SaveTextFile(const std::string& path, std::string_view text);

// Removes a side file of exactly this name left by an earlier save, which
// would otherwise come back with the test at its next load. Nothing there is
// fine; a file that cannot be removed is told ("Can't remove file ...").
bool RemoveStaleSideFile(const std::string& path);

}  // namespace vantor
