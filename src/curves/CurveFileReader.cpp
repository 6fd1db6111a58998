#include "curves/CurveFileReader.h"

#include <bit>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "core/TextUtil.h"

namespace vantor {

namespace {

// Before the first zero-time point is met the zero index points nowhere;
// a file without one therefore starts at point -9999999.
constexpr long long kNoZeroIndex = 9999999;

// Bytes readable past the end of any line handed to DataLine: the plain-line
// check loads sixteen characters at a time.
constexpr size_t kPadding = 64;

bool IsTrimmed(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view TrimToken(std::string_view t) {
    while (!t.empty() && IsTrimmed(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && IsTrimmed(t.back()))
        t.remove_suffix(1);
    return t;
}

// The real-number form of the field checks as a state machine over one
// piece, so that no string is built per line. CR, VT and FF at either end of
// a piece are trimmed, as the field checks trim them.
enum CharClass : unsigned char { kOther, kDigit, kDot, kMinus, kPlus, kExp, kTrim, kClasses };
enum TokenState : unsigned char {
    kStart,      // nothing yet (leading trimmed characters skipped)
    kMinusOnly,  // "-": a mantissa may follow
    kDotOnly,    // ".": a mantissa may follow
    kInteger,    // digits, with or without a leading '-'
    kFraction,   // one '.' met
    kExponent,   // 'E' or 'e' met: a sign must follow
    kExponentDigits,
    kTrailGood,  // trimmed characters after a number
    kTrailBad,   // trimmed characters after something else
    kReject,
    kStates
};

struct TokenMachine {
    CharClass classOf[256] = {};
    TokenState next[kStates][kClasses] = {};
    bool accepts[kStates] = {};

    constexpr TokenMachine() {
        for (int c = '0'; c <= '9'; ++c)
            classOf[c] = kDigit;
        classOf[static_cast<unsigned char>('.')] = kDot;
        classOf[static_cast<unsigned char>('-')] = kMinus;
        classOf[static_cast<unsigned char>('+')] = kPlus;
        classOf[static_cast<unsigned char>('e')] = kExp;
        classOf[static_cast<unsigned char>('E')] = kExp;
        classOf[static_cast<unsigned char>('\r')] = kTrim;
        classOf[static_cast<unsigned char>('\v')] = kTrim;
        classOf[static_cast<unsigned char>('\f')] = kTrim;
        for (auto& row : next)
            for (auto& to : row)
                to = kReject;
        next[kStart][kTrim] = kStart;
        next[kStart][kDigit] = kInteger;
        next[kStart][kMinus] = kMinusOnly;
        next[kStart][kDot] = kDotOnly;
        for (TokenState s : {kMinusOnly, kInteger}) {
            next[s][kDigit] = kInteger;
            next[s][kDot] = kFraction;
            next[s][kExp] = kExponent;
        }
        for (TokenState s : {kDotOnly, kFraction}) {
            next[s][kDigit] = kFraction;
            next[s][kExp] = kExponent;
        }
        next[kExponent][kPlus] = kExponentDigits;
        next[kExponent][kMinus] = kExponentDigits;
        next[kExponentDigits][kDigit] = kExponentDigits;
        accepts[kInteger] = accepts[kFraction] = accepts[kExponentDigits] = true;
        accepts[kTrailGood] = true;
        for (int s = 0; s < kStates; ++s)
            next[s][kTrim] = s == kStart ? kStart : (accepts[s] ? kTrailGood : kTrailBad);
        next[kReject][kTrim] = kReject;
    }
};

constexpr TokenMachine kToken;

bool MachineAccepts(std::string_view token) {
    TokenState state = kStart;
    for (char ch : token)
        state = kToken.next[state][kToken.classOf[static_cast<unsigned char>(ch)]];
    return kToken.accepts[state];
}

struct CharMasks {
    uint64_t sep = 0, digit = 0, dot = 0, minus = 0;
};

// One bit per character (character i, bit i) for each class that the
// plain-line check needs, sixteen characters at a time. `c` must be followed
// by kPadding readable bytes; bits past n are whatever follows the line.
bool ClassMasks(const char* c, size_t n, CharMasks& m) {
#if defined(__SSE2__)
    const __m128i blank = _mm_set1_epi8(' '), tab = _mm_set1_epi8('\t');
    const __m128i dot = _mm_set1_epi8('.'), minus = _mm_set1_epi8('-');
    const __m128i zero = _mm_set1_epi8('0'), nine = _mm_set1_epi8(9);
    for (size_t k = 0; k < n; k += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(c + k));
        const __m128i sep = _mm_or_si128(_mm_cmpeq_epi8(x, blank), _mm_cmpeq_epi8(x, tab));
        const __m128i fromZero = _mm_sub_epi8(x, zero);
        const __m128i digit = _mm_cmpeq_epi8(_mm_min_epu8(fromZero, nine), fromZero);
        auto bits = [](__m128i v) { return static_cast<uint64_t>(_mm_movemask_epi8(v)); };
        m.sep |= bits(sep) << k;
        m.digit |= bits(digit) << k;
        m.dot |= bits(_mm_cmpeq_epi8(x, dot)) << k;
        m.minus |= bits(_mm_cmpeq_epi8(x, minus)) << k;
    }
    return true;
#else
    (void)c;
    (void)n;
    (void)m;
    return false;
#endif
}

struct Pieces {
    int count = 0;
    bool allReal = true;
    size_t firstBegin = 0, firstEnd = 0;
};

// Pieces of a line made only of digits, '.', '-', blanks and tabs (nearly
// every line of a curve file), found with bit masks instead of a walk over
// each character; false for any other line, and where the masks cannot be
// made. `c` must be followed by kPadding readable bytes.
bool PlainPieces(const char* c, size_t n, Pieces& out) {
    CharMasks m;
    if (!ClassMasks(c, n, m)) return false;
    // Bits past the line's end come from whatever follows it.
    const uint64_t valid = (uint64_t{1} << n) - 1;  // n is at most 63
    const uint64_t sep = m.sep & valid, digit = m.digit & valid;
    const uint64_t dot = m.dot & valid, minus = m.minus & valid;
    if ((sep | digit | dot | minus) != valid) return false;

    const uint64_t token = ~sep & valid;
    const uint64_t starts = token & ~(token << 1);
    const uint64_t ends = token & ~(token >> 1);
    const bool leadingTab = c[0] == '\t';
    out.count = leadingTab ? 1 : 0;
    // '-' only as a piece's first character.
    out.allReal = !leadingTab && (minus & ~starts) == 0;
    for (uint64_t rest = starts; rest != 0; rest &= rest - 1) {
        const int first = std::countr_zero(rest);
        const int last = std::countr_zero(ends & (~uint64_t{0} << first));
        const uint64_t span = ((uint64_t{2} << last) - 1) & ~((uint64_t{1} << first) - 1);
        // At most one '.', and "-" or "." alone is no number.
        const uint64_t dots = dot & span;
        if ((dots & (dots - 1)) != 0) out.allReal = false;
        if (first == last && ((digit >> first) & 1) == 0) out.allReal = false;
        if (++out.count == 1) {
            out.firstBegin = static_cast<size_t>(first);
            out.firstEnd = static_cast<size_t>(last) + 1;
        }
    }
    if (out.count == 0) out.count = 1;  // only tabs: one empty piece
    return true;
}

// The same for any line, piece by piece through the machine.
Pieces AnyPieces(std::string_view content) {
    Pieces out;
    if (content.front() == '\t') {
        out.count = 1;
        out.allReal = false;
    }
    const size_t n = content.size();
    size_t i = 0;
    while (true) {
        while (i < n && (content[i] == ' ' || content[i] == '\t'))
            ++i;
        if (i == n) break;
        const size_t start = i;
        while (i < n && content[i] != ' ' && content[i] != '\t')
            ++i;
        if (out.allReal) out.allReal = MachineAccepts(content.substr(start, i - start));
        if (++out.count == 1) {
            out.firstBegin = start;
            out.firstEnd = i;
        }
    }
    if (out.count == 0) out.count = 1;
    return out;
}

// The C conversion of a token the machine accepted: the longest number at
// its start, 0 when there is none, independent of the process locale.
double TokenValue(std::string_view t) {
    double value = 0.0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // A line holds at most 63 characters, so only a huge exponent gets
        // here: its sign tells overflow from underflow.
        size_t e = t.find_first_of("eE");
        bool underflow = e != std::string_view::npos && e + 1 < t.size() && t[e + 1] == '-';
        if (underflow) return 0.0;
        return t[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    return ec == std::errc() ? value : 0.0;
}

// Seconds to whole microseconds, truncated toward zero. A time written as
// 0.000249 is 248.99999999999997 microseconds in binary; truncating that
// would lose a microsecond the file never lost, so values that close to a
// whole number take the whole number.
int Microseconds(double seconds) {
    double us = seconds * 1e6;
    if (std::isnan(us)) return 0;
    double nearest = std::round(us);
    double whole = std::fabs(us - nearest) < 1e-6 ? nearest : std::trunc(us);
    if (whole >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (whole <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(whole);
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

CurveFileReader::CurveFileReader(size_t bufferSize)
    : readSize_(bufferSize > 0 ? bufferSize : 1), buffer_(readSize_ + kPadding) {}

void CurveFileReader::Reset() {
    spanning_ = SpanningLine{};
    columns_ = 0;
    points_ = 0;
    dataLines_ = 0;
    zeroIndex_ = kNoZeroIndex;
    timeStep_ = -1.0;
    timeStepFound_ = false;
    badLines_ = 0;
    firstError_.clear();
}

void CurveFileReader::Read(const std::string& fullName, CurveInfo& info) {
    Reset();
    fileName_ = fullName;
    // A pipe or a device would block the open or never end; only a plain
    // file (or a link to one) holds a curve.
    std::error_code statusError;
    const auto status = std::filesystem::status(fullName, statusError);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        info.fileError = kBadFile;
        return;
    }
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fullName.c_str(), "rb"));
    if (!file) {
        info.fileError = kBadFile;
        return;
    }
    // The reads below are already large; stdio's own buffer would only copy.
    std::setvbuf(file.get(), nullptr, _IONBF, 0);

    char* const buffer = buffer_.data();
    size_t got;
    while ((got = std::fread(buffer, 1, readSize_, file.get())) > 0) {
        const char* p = buffer;
        const char* const end = buffer + got;
        while (p < end) {
            const char* nl = static_cast<const char*>(std::memchr(p, '\n', end - p));
            if (!nl) {
                FeedSpanning(std::string_view(p, end - p));
                break;
            }
            if (spanning_.active) {
                FeedSpanning(std::string_view(p, nl - p));
                EndSpanning();
            } else {
                CompleteLine(std::string_view(p, nl - p));
            }
            p = nl + 1;
        }
    }
    bool readFailed = std::ferror(file.get()) != 0;
    if (spanning_.active) EndSpanning();  // last line without a line end

    Finish(info);
    // A file that could not be read to its end, or holds no data line at
    // all, gives no curve to compare.
    if (readFailed || dataLines_ == 0) info.fileError = kBadFile;
}

inline void CurveFileReader::CompleteLine(std::string_view raw) {
    const char* b = raw.data();
    const char* e = b + raw.size();
    if (e != b && e[-1] == '\r') --e;
    while (b != e && *b == ' ')
        ++b;
    if (b == e) return;  // blank line
    while (e[-1] == ' ')
        --e;
    if (static_cast<size_t>(e - b) > kLineLimit)
        OverlongLine();
    else
        DataLine(std::string_view(b, e - b));
}

void CurveFileReader::FeedSpanning(std::string_view bytes) {
    spanning_.active = true;
    for (char c : bytes) {
        if (spanning_.heldCr) {
            // Not the line end after all: the CR is part of the line.
            spanning_.heldCr = false;
            AppendSpanning('\r');
        }
        if (c == '\r') {
            spanning_.heldCr = true;
        } else if (c == ' ') {
            if (spanning_.started) ++spanning_.pendingBlanks;
        } else {
            AppendSpanning(c);
        }
    }
}

void CurveFileReader::AppendSpanning(char c) {
    SpanningLine& s = spanning_;
    s.started = true;
    if (!s.overlong && s.content.size() + s.pendingBlanks + 1 > kLineLimit) s.overlong = true;
    if (!s.overlong) {
        s.content.append(s.pendingBlanks, ' ');
        s.content += c;
    }
    s.pendingBlanks = 0;
}

void CurveFileReader::EndSpanning() {
    // A held CR was the line end; pending blanks trail and are trimmed.
    SpanningLine line = std::move(spanning_);
    spanning_ = SpanningLine{};
    if (!line.started) return;
    if (line.overlong) {
        OverlongLine();
        return;
    }
    char padded[kLineLimit + kPadding] = {};
    std::memcpy(padded, line.content.data(), line.content.size());
    DataLine(std::string_view(padded, line.content.size()));
}

inline void CurveFileReader::DataLine(std::string_view content) {
    ++dataLines_;
    // The pieces are those of the line's collapsed form cut at blanks: tabs
    // count as blanks, runs of them as one, and only a leading tab (blanks
    // are trimmed already) makes an empty first piece.
    Pieces pieces;
    if (!PlainPieces(content.data(), content.size(), pieces)) pieces = AnyPieces(content);

    bool mixed = false;
    if (columns_ == 0)
        columns_ = pieces.count;
    else if (pieces.count != columns_)
        mixed = true;

    if (mixed || (columns_ != 1 && columns_ != 2) || !pieces.allReal) {
        NotRealLine(content, mixed);
        return;
    }
    ++points_;
    if (columns_ == 2 && !timeStepFound_)
        TimePoint(content.substr(pieces.firstBegin, pieces.firstEnd - pieces.firstBegin));
    if (pointSink_) SendPoint(content);
}

void CurveFileReader::SendPoint(std::string_view content) {
    // A good line is one or two real numbers between blanks or tabs.
    double values[2] = {0.0, 0.0};
    int n = 0;
    size_t i = 0;
    while (i < content.size() && n < 2) {
        while (i < content.size() && (content[i] == ' ' || content[i] == '\t'))
            ++i;
        size_t start = i;
        while (i < content.size() && content[i] != ' ' && content[i] != '\t')
            ++i;
        if (i > start) values[n++] = TokenValue(TrimToken(content.substr(start, i - start)));
    }
    pointSink_(columns_, values[0], values[1]);
}

void CurveFileReader::TimePoint(std::string_view time) {
    double t = TokenValue(TrimToken(time));
    if (std::fabs(t) < 1e-6) {
        zeroIndex_ = dataLines_ - 1;
    } else if (dataLines_ == zeroIndex_ + 2) {
        timeStep_ = t;
        timeStepFound_ = true;
    }
}

void CurveFileReader::NotRealLine(std::string_view content, bool mixed) {
    std::string collapsed(content);
    CollapseBlanks(collapsed);
    std::string what = mixed ? "Mess Y and A-Y format; " : "";
    what += collapsed.empty() ? "No data (empty)" : collapsed + " is not real number";
    BadLine(what);
}

void CurveFileReader::OverlongLine() {
    ++dataLines_;
    BadLine("line longer than " + IntToText(kLineLimit) + " characters");
}

void CurveFileReader::BadLine(const std::string& what) {
    ++badLines_;
    if (!firstError_.empty() && !sink_) return;
    std::string report = "Curve error in " + fileName_ + ", point " + IntToText(dataLines_) + ": " +
                         what + ". View curve errors, correct and reload this test";
    if (sink_) sink_(report);
    if (firstError_.empty()) firstError_ = std::move(report);
}

void CurveFileReader::Finish(CurveInfo& info) const {
    info.columns = columns_;
    info.totalPointsCurve = Saturate(points_);
    info.badLines = badLines_;
    info.timeStepFound = false;
    if (columns_ == 2) {
        long long firstPoint = zeroIndex_ >= 1 ? -zeroIndex_ : zeroIndex_;
        info.firstPointCurve = Saturate(firstPoint);
        info.lastPointCurve = Saturate(points_ - 1 + firstPoint);
        info.timeStepCurve = Microseconds(timeStep_);
        info.timeStepFound = timeStepFound_;
    }
    info.fileError = firstError_;
}

}  // namespace vantor
