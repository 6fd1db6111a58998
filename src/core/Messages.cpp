#include "core/Messages.h"

#include <cstdio>

namespace vantor {

namespace {
StderrMessages& DefaultMessages() {
    static StderrMessages instance;
    return instance;
}
IMessages* current = nullptr;

void PrintBox(std::string_view text, std::string_view caption) {
    std::string line(caption.empty() ? std::string_view("Message") : caption);
    line += ": ";
    line += text;
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
}
}  // namespace

IMessages& Messages() {
    return current ? *current : DefaultMessages();
}

void SetMessages(IMessages* messages) {
    current = messages;
}

void StderrMessages::ShowError(std::string_view text, std::string_view caption) {
    PrintBox(text, caption);
}
void StderrMessages::ShowPlain(std::string_view text, std::string_view caption) {
    PrintBox(text, caption);
}
bool StderrMessages::AskYesNo(std::string_view text, std::string_view caption) {
    PrintBox(text, caption);
    return true;
}

void RecordingMessages::ShowError(std::string_view text, std::string_view caption) {
    messages_.push_back({MessageKind::Error, std::string(caption), std::string(text)});
}
void RecordingMessages::ShowPlain(std::string_view text, std::string_view caption) {
    messages_.push_back({MessageKind::Plain, std::string(caption), std::string(text)});
}
bool RecordingMessages::AskYesNo(std::string_view text, std::string_view caption) {
    messages_.push_back({MessageKind::Question, std::string(caption), std::string(text)});
    if (answers_.empty()) return defaultAnswer_;
    bool answer = answers_.front();
    answers_.pop_front();
    return answer;
}
void RecordingMessages::ScriptAnswers(std::initializer_list<bool> answers) {
    answers_.insert(answers_.end(), answers.begin(), answers.end());
}
std::vector<std::string> RecordingMessages::Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages_)
        texts.push_back(m.text);
    return texts;
}

ScopedMessages::ScopedMessages(IMessages& messages) : previous_(current) {
    current = &messages;
}
ScopedMessages::~ScopedMessages() {
    current = previous_;
}

}  // namespace vantor
