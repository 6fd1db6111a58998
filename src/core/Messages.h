#pragma once
// The messages layer: the model's only way to talk to the user. The desktop
// program shows message boxes, vantor-cli prints to stderr, tests record.
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

enum class MessageKind { Error, Plain, Question };

class IMessages {
  public:
    virtual ~IMessages() = default;
    // Box with the error icon and the given caption.
    virtual void ShowError(std::string_view text, std::string_view caption) = 0;
    // Plain OK box; an empty caption means the program's default caption.
    virtual void ShowPlain(std::string_view text, std::string_view caption) = 0;
    // Yes/No question; true for Yes.
    virtual bool AskYesNo(std::string_view text, std::string_view caption) = 0;
};

// The layer in use. Defaults to the stderr implementation until a program or
// test installs another.
IMessages& Messages();
void SetMessages(IMessages* messages);

// Convenience wrappers used throughout the model.
inline void ShowError(std::string_view text, std::string_view caption = "Error") {
    Messages().ShowError(text, caption);
}
inline void ShowPlain(std::string_view text, std::string_view caption = "") {
    Messages().ShowPlain(text, caption);
}
inline bool AskYesNo(std::string_view text, std::string_view caption = "Warning") {
    return Messages().AskYesNo(text, caption);
}

// Prints every box as "CAPTION: TEXT" ("Message" without a caption) and a
// newline on stderr; answers every question Yes.
class StderrMessages : public IMessages {
  public:
    void ShowError(std::string_view text, std::string_view caption) override;
    void ShowPlain(std::string_view text, std::string_view caption) override;
    bool AskYesNo(std::string_view text, std::string_view caption) override;
};

struct RecordedMessage {
    MessageKind kind;
    std::string caption;
    std::string text;
    bool operator==(const RecordedMessage&) const = default;
};

// Records every box; answers questions from a script (Yes when it runs out,
// unless a default answer is set).
class RecordingMessages : public IMessages {
  public:
    void ShowError(std::string_view text, std::string_view caption) override;
    void ShowPlain(std::string_view text, std::string_view caption) override;
    bool AskYesNo(std::string_view text, std::string_view caption) override;

    void ScriptAnswers(std::initializer_list<bool> answers);
    void SetDefaultAnswer(bool yes) { defaultAnswer_ = yes; }
    const std::vector<RecordedMessage>& All() const { return messages_; }
    std::vector<std::string> Texts() const;
    void Clear() { messages_.clear(); }

  private:
    std::vector<RecordedMessage> messages_;
    std::deque<bool> answers_;
    bool defaultAnswer_ = true;
};

// Installs a messages layer for the lifetime of the guard, restoring the
// previous one afterwards.
class ScopedMessages {
  public:
    explicit ScopedMessages(IMessages& messages);
    ~ScopedMessages();
    ScopedMessages(const ScopedMessages&) = delete;
    ScopedMessages& operator=(const ScopedMessages&) = delete;

  private:
    IMessages* previous_;
};

}  // namespace vantor
