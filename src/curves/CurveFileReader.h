#pragma once
// Reads one curve file: one measured channel, one point per data line, either
// the Y value alone or the time in seconds and the Y value ("A-Y"). The file
// is streamed through a fixed buffer, so memory does not grow with its size.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "curves/CurveCheckState.h"

namespace vantor {

class CurveFileReader {
  public:
    // A data line holds at most this many characters (leading and trailing
    // blanks and the line end not counted); a longer one is not a good line.
    static constexpr size_t kLineLimit = 63;
    static constexpr const char* kBadFile = "Curve data file is bad or not exist";

    // bufferSize only matters to tests, which shrink it to make lines span reads.
    explicit CurveFileReader(size_t bufferSize = size_t{1} << 16);

    // Fills the points, format, time step and file error of `info` from the
    // file `fullName`; the curve number and extension are the caller's.
    void Read(const std::string& fullName, CurveInfo& info);

    // Receives the report of every line that is not good, not only the first.
    void SetErrorSink(std::function<void(const std::string&)> sink) { sink_ = std::move(sink); }
    // Receives the values of every good line, in file order: the Y value
    // alone (`columns` 1), or the time and the Y value (2). Plots read the
    // points through it, so they take the same lines the check takes.
    using PointSink = std::function<void(int columns, double first, double second)>;
    void SetPointSink(PointSink sink) { pointSink_ = std::move(sink); }

  private:
    // A line that did not fit in one read, kept as its trimmed content (at
    // most kLineLimit characters) plus what is still undecided at its end.
    struct SpanningLine {
        bool active = false;
        bool started = false;  // a character other than a blank has been seen
        bool heldCr = false;   // the last byte was a CR that may be the line end
        bool overlong = false;
        size_t pendingBlanks = 0;
        std::string content;
    };

    void Reset();
    void CompleteLine(std::string_view raw);
    void FeedSpanning(std::string_view bytes);
    void AppendSpanning(char c);
    void EndSpanning();
    void DataLine(std::string_view content);
    void TimePoint(std::string_view time);
    void SendPoint(std::string_view content);
    void NotRealLine(std::string_view content, bool mixed);
    void OverlongLine();
    void BadLine(const std::string& what);
    void Finish(CurveInfo& info) const;

    size_t readSize_;
    std::vector<char> buffer_;
    std::function<void(const std::string&)> sink_;
    PointSink pointSink_;
    std::string fileName_;
    SpanningLine spanning_;
    int columns_ = 0;
    long long points_ = 0;
    long long dataLines_ = 0;
    long long zeroIndex_ = 0;
    double timeStep_ = 0.0;
    bool timeStepFound_ = false;
    int badLines_ = 0;
    std::string firstError_;
};

}  // namespace vantor
