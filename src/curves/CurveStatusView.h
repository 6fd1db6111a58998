#pragma once
// What an instrumentation page shows after a curve-check step: the status
// line, the colours of the first point, last point and time increment
// fields, the record to go to, and the "Find next error" button.
#include <string>

namespace vantor {

struct CurveColour {
    int red = 0, green = 0, blue = 0;
    bool operator==(const CurveColour&) const = default;
};

struct CurveFieldLook {
    CurveColour text, background;
    bool operator==(const CurveFieldLook&) const = default;
};

inline constexpr CurveColour kCurveStatusNormal{0, 0, 0};
inline constexpr CurveColour kCurveStatusError{255, 0, 0};
inline constexpr CurveColour kCurveStatusGrey{128, 128, 128};
// An editable field as usual, and the instrumentation pages' highlight for a
// value that disagrees with its curve.
inline constexpr CurveFieldLook kCurveFieldNormal{{0, 0, 0}, {255, 255, 255}};
inline constexpr CurveFieldLook kCurveFieldError{{255, 0, 0}, {100, 255, 200}};

struct CurveStatusView {
    enum class Button { Keep, Show, Hide };

    // False: the step changes nothing on the page (the check is not enabled).
    bool setsStatus = false;
    std::string text;
    CurveColour textColour = kCurveStatusNormal;

    // Whether the three field looks below are to be applied.
    bool setsFields = false;
    CurveFieldLook firstPoint = kCurveFieldNormal;
    CurveFieldLook lastPoint = kCurveFieldNormal;
    CurveFieldLook timeIncrement = kCurveFieldNormal;

    // INSTRUMENTATION record to show before applying the above; 0 to stay.
    int goToRecord = 0;
    Button findNext = Button::Keep;
    // Whether the step left any record with a hint or a file error in view.
    bool foundError = false;
};

}  // namespace vantor
