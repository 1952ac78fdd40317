#pragma once
// Layout and drawing of the small HTML-like markup shown by the rich-text
// label and the rich-text hint window, and its plain-text form for tooltips.
//
// Every call parses the whole text again; each line is parsed twice (a
// measuring pass that decides what fits, then a drawing or hit-testing pass
// over exactly that markup). Closing tags restore attributes from the base
// font, not from the enclosing tag. No markup ever raises.

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

#include "runtime/TColor.h"

class QPainter;

namespace quorvant::controls {

class TPictureContainer;
class TRichPictureCache;
class TImageList;

struct TMarkupParams {
    // The canvas: its font and colour are the base font, its brush colour is
    // what blinking text turns into while the blink phase is not visible.
    QFont Font;
    runtime::TColor FontColor = runtime::clWindowText;
    runtime::TColor BrushColor = runtime::clNone;
    // What the text stands on where no tag fills it: text colours are kept
    // readable on it (clNone: drawn as they are).
    runtime::TColor Background = runtime::clNone;

    QRect Rect;
    int LineSpacing = 0;
    TPictureContainer* PictureContainer = nullptr;
    TRichPictureCache* PictureCache = nullptr;
    TImageList* Images = nullptr;
    QPoint Mouse{-1, -1}; // canvas coordinates; any point outside: no mouse
    int FocusAnchor = -1; // counted from 0
    int HoverAnchor = -1; // counted from 1, like the anchor numbers
    runtime::TColor ShadowColor = runtime::clGray;
    runtime::TColor HoverFontColor = runtime::clNone;
    runtime::TColor HoverColor = runtime::clNone;
    runtime::TColor URLColor = runtime::clBlue;
    bool WordWrap = true;
    bool HoverStyle = false; // style only the hovered anchor
    bool BlinkVisible = true;
    bool KeepColors = false;
    bool MeasureOnly = false; // all lines, nothing drawn, no bottom limit
    bool CheckOnly = false;   // full layout with hit testing, nothing drawn
    int ShadowOffset = 1;
};

struct TMarkupResult {
    bool OnAnchor = false; // the mouse is on an anchor or a picture in one
    QString AnchorTarget;  // of the anchor under the mouse
    QString StrippedText;
    QString FocusTarget;
    int Width = 0;  // the widest line plus 2
    int Height = 0; // all laid-out lines
    int AnchorCount = 0;
    int MouseAnchor = -1; // number of the anchor under the mouse
    QRect AnchorRect;     // of that anchor, for repainting it
};

// painter may be null when nothing is drawn (measure or check only).
TMarkupResult DrawMarkup(QPainter* painter, const QString& text, const TMarkupParams& params);

// Markup to plain text: "<BR>" and "<HR>" become CR LF, text between "<z>"
// and "</z>" (or "<Z>" and "</Z>") goes, other tags go; entities stay. An
// unterminated tag or hidden run is kept as written.
QString StripMarkup(const QString& text);

// The point size a font-size value stands for: 1 to 5 map to 8 to 16.
int MarkupPointSize(int value);

} // namespace quorvant::controls
