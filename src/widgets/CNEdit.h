#pragma once
// The hinted edit field of every page: keeps its text trimmed, checks it as
// the user types, colours the result and shows the field's hint as tooltip.
// Coded fields are marked valid or invalid by the codes layer through
// ICodeField; the colours then show that mark.
#include <QColor>
#include <QLineEdit>
#include <string>
#include <string_view>

#include "codes/CodeValidator.h"
#include "core/FieldRule.h"
#include "core/TextUtil.h"

namespace vantor {

class CNEdit : public QLineEdit, public ICodeField {
    Q_OBJECT

  public:
    // What the field checks on every change; a field checks one kind only.
    enum class CheckKind { None, Integer, Long, Real, Text, Upper, Date };

    explicit CNEdit(QWidget* parent = nullptr);
    // A field set up from its rule: kind and limits, empty allowed, hint.
    explicit CNEdit(const FieldRule& rule, QWidget* parent = nullptr);
    void ApplyRule(const FieldRule& rule);

    // The encoding of the test the field shows (its file's): values are
    // shown decoded from it and typed text is stored in it. A character it
    // cannot carry cannot be typed.
    void SetEncoding(TextEncoding encoding);
    TextEncoding Encoding() const { return encoding_; }

    // Puts text into the field (trimmed). With the numeric display flag set a
    // number is reformatted as the field's kind shows numbers.
    void SetText(std::string_view text);
    // The stored, trimmed text. Text that came in through SetText and was not
    // edited comes back byte for byte, whatever its encoding and case.
    std::string GetText() const override;

    // Marks the field: true shows black on light grey (a confirmed code or a
    // read-only value), false red on yellow.
    void SetValid(bool valid) override;
    bool IsValid() const { return valid_; }

    // The disagreement colour of the curve check; the next change clears it.
    void SetHighlighted(bool on);
    bool IsHighlighted() const { return highlighted_; }

    // Text kind with lengths in characters; the maximum also limits typing.
    void SetTextLimits(int minLength, int maxLength, bool emptyAllowed);
    // As SetTextLimits, and what the user types turns into capitals (a value
    // put into the field stays as it was).
    void SetUpperLimits(int minLength, int maxLength, bool emptyAllowed);
    void SetIntLimits(int min, int max);
    void SetLongLimits(long long min, long long max);
    void SetRealLimits(double min, double max);
    // "DD-MMM-YYYY" or "DD/MMM/YYYY".
    void SetDateCheck();
    void SetNoCheck();
    CheckKind Kind() const { return kind_; }

    void SetEmptyAllowed(bool allowed);
    // A numeric 0 put into the field shows as an empty field.
    void SetZeroBlank(bool on) { zeroBlank_ = on; }
    void SetNumericDisplay(bool on) { numericDisplay_ = on; }
    // Integers are shown zero-padded to this many digits (0: no padding).
    void SetPadWidth(int width) { padWidth_ = width; }

    // Values put into the field: integers "%d" (or zero-padded), reals with
    // two decimals; 0 with the zero-blank flag set gives an empty field.
    void SetValue(long long value);
    void SetValue(double value);

    void SetHint(std::string_view hint);

    QColor TextColor() const { return textColor_; }
    QColor BackgroundColor() const { return backColor_; }

    static const QColor kValidBack;
    static const QColor kConfirmedBack;
    static const QColor kInvalidText;
    static const QColor kInvalidBack;
    static const QColor kHighlightText;
    static const QColor kHighlightBack;
    static const QColor kDisabledText;
    static const QColor kDisabledBack;

  signals:
    // After every check: the stored text and the valid flag follow the
    // change. (textEdited comes before the field has stored the new text.)
    void Checked(bool valid);

  protected:
    void focusInEvent(QFocusEvent* event) override;

  private:
    friend class FieldInputValidator;
    void OnTextChanged(const QString& windowText);
    QString Shown(std::string_view bytes) const;
    bool Check(const std::string& text) const;
    std::string FormatNumber(std::string_view text) const;
    void SetKind(CheckKind kind);
    void SetColors(const QColor& text, const QColor& back);

    std::string text_;
    QString shownBefore_;       // the text shown before the change being checked
    bool puttingText_ = false;  // SetText at work: nothing is typed
    TextEncoding encoding_ = TextEncoding::Utf8;
    bool valid_ = true;
    bool highlighted_ = false;
    CheckKind kind_ = CheckKind::None;
    int intMin_ = 0, intMax_ = 0;
    long long longMin_ = 0, longMax_ = 0;
    double realMin_ = 0, realMax_ = 0;
    int minLength_ = 0, maxLength_ = 0;
    bool emptyAllowed_ = false;
    bool zeroBlank_ = false;
    bool numericDisplay_ = false;
    int padWidth_ = 0;
    QColor textColor_;
    QColor backColor_;
};

}  // namespace vantor
