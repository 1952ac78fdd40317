#pragma once
// One tooltip request, built by the application's hint timer and offered to
// the hinted control and the application's show-hint event before the hint
// window is shown. Coordinates: HintPos and CursorPos global, CursorRect in
// the control's own coordinates.

#include <QPoint>
#include <QRect>
#include <QString>

#include "runtime/TColor.h"

class QWidget;

namespace quorvant::runtime {

struct THintInfo {
    QWidget* HintControl = nullptr;
    QPoint HintPos;       // top-left corner of the hint window
    int HintMaxWidth = 0; // proposed maximum width (the screen width)
    TColor HintColor = clInfoBk;
    QRect CursorRect;      // moving out of it ends the hint
    QPoint CursorPos;      // the mouse, in the control's coordinates
    int ReshowTimeout = 0; // > 0: ask again after this many ms
    int HideTimeout = 0;   // display time in ms
    QString HintStr;       // the short hint by default
};

// Implemented by controls that shape their own tooltips (per panel, per
// anchor): may rewrite the request or refuse it.
class THintShowTarget {
public:
    virtual ~THintShowTarget() = default;
    virtual void HintShowRequest(THintInfo& info, bool& canShow) = 0;
};

} // namespace quorvant::runtime
