#include "widgets/CNEdit.h"

#include <QTimer>
#include <QValidator>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "core/RecordLineRule.h"
#include "core/TextUtil.h"
#include "widgets/QtMessages.h"
#include "widgets/TextCodec.h"

namespace vantor {

const QColor CNEdit::kValidBack(255, 255, 255);
const QColor CNEdit::kConfirmedBack(235, 235, 235);
const QColor CNEdit::kInvalidText(255, 0, 0);
const QColor CNEdit::kInvalidBack(255, 255, 0);
const QColor CNEdit::kHighlightText(255, 0, 0);
const QColor CNEdit::kHighlightBack(100, 255, 200);
const QColor CNEdit::kDisabledText(120, 120, 120);
const QColor CNEdit::kDisabledBack(225, 225, 225);

namespace {

// A QX5 record has no escaping: a '|' would split the value into two fields
// and a line break would end the record. Neither can be typed or pasted.
bool IsRefused(QChar c) {
    return c.unicode() < 0x80 && BreaksRecordLine(static_cast<char>(c.unicode()));
}

// The capital of a typed letter, when the test's encoding can carry it as
// one character; otherwise the letter as typed (the micro sign stays a unit
// prefix, "ß" has no single capital).
QChar TypedCapital(QChar c, TextEncoding encoding) {
    constexpr char16_t kMicroSign = 0xB5;
    if (c.unicode() == kMicroSign) return c;
    const QChar upper = c.toUpper();
    return CanEncode(QString(upper), encoding) ? upper : c;
}

}  // namespace

// Checks what the user types or pastes: characters a record line or the
// test's encoding cannot carry are refused, and in upper-text and date fields
// the typed characters (and only those) become capitals.
class FieldInputValidator : public QValidator {
  public:
    explicit FieldInputValidator(CNEdit* edit) : QValidator(edit), edit_(edit) {}

    State validate(QString& input, int& pos) const override {
        // A value put into the field is taken as it is: only typing changes.
        if (edit_->puttingText_) return Acceptable;
        if (std::any_of(input.begin(), input.end(), IsRefused)) return Invalid;
        // The line edit has taken the change already: compare with the text
        // it showed before.
        const QString& before = edit_->shownBefore_;
        // The typed part: what lies between the text kept in front and behind.
        qsizetype head = 0;
        while (head < input.size() && head < before.size() && input[head] == before[head])
            ++head;
        qsizetype tail = 0;
        while (tail < input.size() - head && tail < before.size() - head &&
               input[input.size() - 1 - tail] == before[before.size() - 1 - tail])
            ++tail;
        const qsizetype end = input.size() - tail;
        if (!CanEncode(input.mid(head, end - head), edit_->encoding_)) return Invalid;
        const CNEdit::CheckKind kind = edit_->Kind();
        if (kind == CNEdit::CheckKind::Upper || kind == CNEdit::CheckKind::Date)
            for (qsizetype i = head; i < end; ++i)
                input[i] = TypedCapital(input[i], edit_->encoding_);
        pos = std::min(pos, static_cast<int>(input.size()));
        return Acceptable;
    }

  private:
    const CNEdit* edit_;
};

namespace {

QString TrimmedBlanks(const QString& text) {
    qsizetype b = 0, e = text.size();
    while (b < e && text[b] == ' ')
        ++b;
    while (e > b && text[e - 1] == ' ')
        --e;
    return text.mid(b, e - b);
}

// Whole numbers as the C library reads them; nothing when out of range.
bool ReadInteger(const std::string& text, long long& value) {
    if (!IsIntegerNumber(text)) return false;
    errno = 0;
    value = std::strtoll(text.c_str(), nullptr, 10);
    return errno != ERANGE;
}

std::string Printf(const char* format, auto... args) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

}  // namespace

CNEdit::CNEdit(QWidget* parent) : QLineEdit(parent) {
    setValidator(new FieldInputValidator(this));
    SetColors(Qt::black, kValidBack);
    connect(this, &QLineEdit::textChanged, this, &CNEdit::OnTextChanged);
}

CNEdit::CNEdit(const FieldRule& rule, QWidget* parent) : CNEdit(parent) {
    ApplyRule(rule);
}

void CNEdit::ApplyRule(const FieldRule& rule) {
    auto intLimit = [](double v) {
        return static_cast<int>(std::clamp(v, static_cast<double>(INT_MIN), double(INT_MAX)));
    };
    setReadOnly(rule.kind == FieldKind::ReadOnly);
    // Fields that are never typed into (counts, codes filled by their
    // search) are passed over by Tab.
    const bool typed = rule.kind != FieldKind::ReadOnly && rule.kind != FieldKind::Code;
    setFocusPolicy(typed ? Qt::StrongFocus : Qt::ClickFocus);
    switch (rule.kind) {
        case FieldKind::Text:
            SetTextLimits(intLimit(rule.min), intLimit(rule.max), rule.emptyAllowed);
            break;
        case FieldKind::Upper:
            SetUpperLimits(intLimit(rule.min), intLimit(rule.max), rule.emptyAllowed);
            break;
        case FieldKind::Integer:
            SetIntLimits(intLimit(rule.min), intLimit(rule.max));
            break;
        case FieldKind::Long:
            SetLongLimits(static_cast<long long>(rule.min), static_cast<long long>(rule.max));
            break;
        case FieldKind::Real:
            SetRealLimits(rule.min, rule.max);
            break;
        case FieldKind::Date:
            SetDateCheck();
            break;
        case FieldKind::Code:
        case FieldKind::ReadOnly:
            SetNoCheck();
            break;
    }
    SetEmptyAllowed(rule.emptyAllowed);
    SetHint(rule.hint);
}

void CNEdit::SetKind(CheckKind kind) {
    kind_ = kind;
    if (kind != CheckKind::Text && kind != CheckKind::Upper) {
        maxLength_ = 0;
        setMaxLength(32767);
    }
}

void CNEdit::SetTextLimits(int minLength, int maxLength, bool emptyAllowed) {
    SetKind(CheckKind::Text);
    minLength_ = minLength;
    maxLength_ = maxLength;
    emptyAllowed_ = emptyAllowed;
    // Never cut what is already there: a longer stored value stays whole and
    // shows as invalid instead.
    if (maxLength > 0) setMaxLength(std::max(maxLength, static_cast<int>(text().size())));
}

void CNEdit::SetUpperLimits(int minLength, int maxLength, bool emptyAllowed) {
    SetTextLimits(minLength, maxLength, emptyAllowed);
    kind_ = CheckKind::Upper;
}

void CNEdit::SetIntLimits(int min, int max) {
    SetKind(CheckKind::Integer);
    intMin_ = min;
    intMax_ = max;
}

void CNEdit::SetLongLimits(long long min, long long max) {
    SetKind(CheckKind::Long);
    longMin_ = min;
    longMax_ = max;
}

void CNEdit::SetRealLimits(double min, double max) {
    SetKind(CheckKind::Real);
    realMin_ = min;
    realMax_ = max;
}

void CNEdit::SetDateCheck() {
    SetKind(CheckKind::Date);
}
void CNEdit::SetNoCheck() {
    SetKind(CheckKind::None);
}
void CNEdit::SetEmptyAllowed(bool allowed) {
    emptyAllowed_ = allowed;
}

void CNEdit::SetHint(std::string_view hint) {
    setToolTip(QtMessages::FromBytes(hint));
}

void CNEdit::SetEncoding(TextEncoding encoding) {
    if (encoding == encoding_) return;
    encoding_ = encoding;
    // The same bytes, shown as the test's encoding reads them.
    const std::string bytes = text_;
    SetText(bytes);
}

QString CNEdit::Shown(std::string_view bytes) const {
    return DecodeText(bytes, encoding_);
}

void CNEdit::SetText(std::string_view raw) {
    std::string text(raw);
    for (char& c : text)
        if (BreaksRecordLine(c)) c = ' ';
    text = TrimmedBlanks(numericDisplay_ ? FormatNumber(TrimmedBlanks(text)) : text);

    text_ = text;
    QString shown = Shown(text_);
    if (maxLength_ > 0) setMaxLength(std::max(maxLength_, static_cast<int>(shown.size())));
    if (shown == QLineEdit::text()) {
        OnTextChanged(shown);  // same text: still checked, as a typed change would be
    } else {
        puttingText_ = true;
        setText(shown);
        puttingText_ = false;
    }
}

std::string CNEdit::GetText() const {
    return text_;
}

std::string CNEdit::FormatNumber(std::string_view raw) const {
    std::string text(raw);
    if (kind_ == CheckKind::Integer || kind_ == CheckKind::Long) {
        long long value = 0;
        if (!ReadInteger(text, value)) return text;
        if (value == 0 && zeroBlank_) return {};
        return padWidth_ > 0 ? Printf("%0*lld", padWidth_, value) : Printf("%lld", value);
    }
    if (kind_ == CheckKind::Real) {
        if (!IsRealNumber(text)) return text;
        double value = TextToReal(text);
        if (value == 0 && zeroBlank_) return {};
        return Printf("%.2f", value);
    }
    return text;
}

void CNEdit::SetValue(long long value) {
    if (value == 0 && zeroBlank_) return SetText("");
    SetText(padWidth_ > 0 ? Printf("%0*lld", padWidth_, value) : Printf("%lld", value));
}

void CNEdit::SetValue(double value) {
    if (value == 0 && zeroBlank_) return SetText("");
    SetText(Printf("%.2f", value));
}

bool CNEdit::Check(const std::string& text) const {
    if (text.empty())
        return emptyAllowed_ || kind_ == CheckKind::Text || kind_ == CheckKind::Upper ||
               kind_ == CheckKind::None;
    switch (kind_) {
        case CheckKind::None:
            return true;
        case CheckKind::Integer: {
            long long v = 0;
            return ReadInteger(text, v) && v >= intMin_ && v <= intMax_;
        }
        case CheckKind::Long: {
            long long v = 0;
            return ReadInteger(text, v) && v >= longMin_ && v <= longMax_;
        }
        case CheckKind::Real: {
            if (!IsRealNumber(text)) return false;
            double v = TextToReal(text);
            return v >= realMin_ && v <= realMax_;
        }
        case CheckKind::Text:
        case CheckKind::Upper: {
            auto length = Shown(text).size();
            return length >= minLength_ && length <= maxLength_;
        }
        case CheckKind::Date: {
            std::string date = text;
            return CheckTestDate(date, nullptr).empty();
        }
    }
    return false;
}

void CNEdit::OnTextChanged(const QString& windowText) {
    shownBefore_ = windowText;
    QString trimmed = TrimmedBlanks(windowText);
    // Unedited text keeps the bytes it came with; edited text is stored in
    // the test's encoding (typing cannot bring a character it lacks).
    if (trimmed != Shown(text_)) {
        std::optional<std::string> bytes = EncodeText(trimmed, encoding_);
        text_ = bytes ? *bytes : trimmed.toUtf8().toStdString();
    }

    valid_ = Check(text_);
    highlighted_ = false;
    if (valid_)
        SetColors(Qt::black, kValidBack);
    else
        SetColors(kInvalidText, kInvalidBack);

    emit Checked(valid_);
}

void CNEdit::SetValid(bool valid) {
    valid_ = valid;
    highlighted_ = false;
    if (valid)
        SetColors(Qt::black, kConfirmedBack);
    else
        SetColors(kInvalidText, kInvalidBack);
}

void CNEdit::SetHighlighted(bool on) {
    highlighted_ = on;
    if (on)
        SetColors(kHighlightText, kHighlightBack);
    else if (valid_)
        SetColors(Qt::black, kValidBack);
    else
        SetColors(kInvalidText, kInvalidBack);
}

void CNEdit::SetColors(const QColor& text, const QColor& back) {
    textColor_ = text;
    backColor_ = back;
    QPalette colors = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        colors.setColor(group, QPalette::Text, text);
        colors.setColor(group, QPalette::Base, back);
    }
    // A disabled field looks disabled whatever its state: grey on grey.
    colors.setColor(QPalette::Disabled, QPalette::Base, kDisabledBack);
    colors.setColor(QPalette::Disabled, QPalette::Text, kDisabledText);
    setPalette(colors);
}

void CNEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // After the click that brought the focus has placed the cursor.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

}  // namespace vantor
