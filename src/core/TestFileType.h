#pragma once
// One test type's file handling as the editor's File menu and vantor-cli use
// it: load by extension, save, report, and whole-test check.
#include <string>
#include <vector>

#include "core/FieldRule.h"
#include "core/TextUtil.h"

namespace vantor {

class TestFileType {
  public:
    virtual ~TestFileType() = default;

    // Loads one input as the type's Load Test handles its extension (compared
    // in lower case): QX5 clears, reads and brings its side files; QX4 clears
    // and reads; a QX3 group file is imported without clearing. False when a
    // read or import reported failure or the extension is not handled.
    bool Load(const std::string& path);
    // Whether the last Load stopped at "Really clear all entries?" (the user
    // kept the entries; nothing was read).
    bool LoadDeclined() const { return loadDeclined_; }

    // Clear All Pages, and the clear at the start of a QX5 or QX4 load: back
    // to a new test. Every clear but the first asks "Really clear all
    // entries?"; false, with nothing changed, when the user keeps them.
    bool Clear();
    bool IsFirstClear() const { return firstClear_; }
    // The result of the last clear.
    bool WasCleared() const { return cleared_; }

    // The encoding of the test's text: that of the first file loaded since
    // the last clear that holds bytes outside ASCII (valid UTF-8, else
    // Windows-1252); UTF-8 for a new test. Edited fields are written in it,
    // so a file never holds two encodings.
    TextEncoding Encoding() const { return encoding_; }

    // Writes the test as Save Test does in the data layer (values stored at
    // save time, side files, refusals), without page validation.
    virtual bool Save(const std::string& path) = 0;

    // Writes the report as Save Report does, side reports included.
    virtual bool SaveReport(const std::string& path) = 0;

    // Validates every field of the loaded test with the field rules.
    virtual void Check(CodeLookup* codes, std::vector<FieldIssue>& out) = 0;

  protected:
    // Load by extension; a QX5 or QX4 load starts with Clear() and loads
    // nothing (successfully) when it is declined.
    virtual bool LoadFile(const std::string& path) = 0;

    enum class Outcome { Loaded, Kept, Failed };
    // The QX5 and QX4 load: Clear(), then `read`. A file that cannot be read
    // gives the test back as it was, so a mistyped name never costs the user
    // the entries on screen. Kept: the user declined the clear.
    template <class Data, class Read>
    Outcome ReplaceWith(Data& data, Read&& read) {
        Data previous = data;
        const TextEncoding encoding = encoding_;
        const bool encodingKnown = encodingKnown_;
        if (!Clear()) return Outcome::Kept;
        if (!read()) {
            data = std::move(previous);
            encoding_ = encoding;
            encodingKnown_ = encodingKnown;
            return Outcome::Failed;
        }
        return Outcome::Loaded;
    }
    // The test back to its defaults, cameras included.
    virtual void ResetTest() = 0;

  private:
    bool firstClear_ = true;
    bool cleared_ = false;
    bool loadDeclined_ = false;
    TextEncoding encoding_ = TextEncoding::Utf8;
    bool encodingKnown_ = false;
};

}  // namespace vantor
