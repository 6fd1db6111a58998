#pragma once
// The messages layer of the desktop program: real message boxes.
#include <QWidget>

#include "core/Messages.h"

namespace vantor {

class QtMessages : public IMessages {
  public:
    // Boxes are shown over the active window, or over `parent` when none is.
    explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}

    void ShowError(std::string_view text, std::string_view caption) override;
    void ShowPlain(std::string_view text, std::string_view caption) override;
    bool AskYesNo(std::string_view text, std::string_view caption) override;

    // Converts file bytes for display: UTF-8 when valid, else Windows-1252.
    static QString FromBytes(std::string_view bytes);

  private:
    QWidget* Parent() const;
    QWidget* parent_;
};

}  // namespace vantor
