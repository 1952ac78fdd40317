#include "controls/markup/MarkupEngine.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <optional>
#include <vector>

#include "controls/markup/MarkupColors.h"
#include "controls/markup/MarkupTag.h"
#include "controls/markup/TImageList.h"
#include "controls/markup/TPictureContainer.h"
#include "controls/markup/TRichPictureCache.h"
#include "runtime/BevelPainter.h"

namespace quorvant::controls {

using runtime::clNone;
using runtime::TColor;

namespace {

// Font sizes beyond this only cost time; nothing shown in a label needs more.
constexpr int MaxPointSize = 400;
constexpr int ListStep = 12;
// Pixel values written in the markup (indent, offset, indent stop, picture
// size) are held within this, and the running extents saturate at Far, so
// no sum of them can leave the int range, however long the text.
constexpr int MaxCoordinate = 1 << 20;
constexpr int Far = 1 << 28;

int Coordinate(int value)
{
    return std::clamp(value, -MaxCoordinate, MaxCoordinate);
}

int Sum(long long a, long long b)
{
    return int(std::clamp(a + b, -(long long)Far, (long long)Far));
}

// Where a paragraph's lines sit between the margins.
enum class ParagraphAlign { Left, Right, Center };

// The attributes that carry from one line to the next. The measuring and the
// drawing pass each keep their own copy.
struct RunState {
    QFont Font;
    TColor Color = 0;
    TColor Brush = clNone;
    TColor BrushBeforeAnchor = clNone;
    TColor BrushBeforeFont = clNone;
    TColor BrushBeforeHighlight = clNone;
    bool Anchor = false, Hidden = false, Shadow = false, Sub = false, Sup = false, Error = false;
    bool ParagraphBackground = false;
    TColor ParagraphColor = clNone, ParagraphColorTo = clNone;
    ParagraphAlign Align = ParagraphAlign::Left;
    int ListLevel = 0, Indent = 0, Offset = 0, Rotation = 0;
    QString AnchorTarget;
    int AnchorCount = 0;

    const QFontMetrics& Metrics()
    {
        if (!metrics_)
            metrics_.emplace(Font);
        return *metrics_;
    }
    void FontChanged() { metrics_.reset(); }

private:
    std::optional<QFontMetrics> metrics_;
};

enum class Mode { Measure, Check, Draw };
enum class TagEffect { None, EndLine, SplitBefore };

// One run of the line pass over the start of the remaining text.
struct LinePass {
    Mode PassMode = Mode::Measure;
    int Left = 0, Top = 0, TextBottom = 0, BoxBottom = 0;
    int X = 0;    // extent from the line's left
    int PenX = 0; // absolute
    int Height = 0;
    int SupExtra = 0, SubExtra = 0;
    int Trailing = 0;
    int PictureOffset = 0;
    bool ListItemSeen = false;
    bool TextPlaced = false;
    bool Hit = false;
    bool PictureHit = false;
    QString HitTarget;
    int HitAnchor = -1;
    qsizetype Consumed = 0;
};

bool ReplaceOnce(QString& text, QStringView from, QStringView to)
{
    const qsizetype at = text.indexOf(from, 0, Qt::CaseInsensitive);
    if (at < 0)
        return false;
    text.replace(at, from.size(), to.toString());
    return true;
}

// Named entities, in the order they are replaced.
void ReplaceEntities(QString& text)
{
    static const std::pair<const char16_t*, const char16_t*> Entities[] = {
        {u"&amp;", u"&&"},        {u"&quot;", u"\""},      {u"&sect;", u"\u00A7"},
        {u"&permil;", u"\u2030"}, {u"&reg;", u"\u00AE"},   {u"&copy;", u"\u00A9"},
        {u"&para;", u"\u00B6"},   {u"&trade;", u"\u2122"}, {u"&euro;", u"\u20AC"},
    };
    // Every replacement shortens the text, so the passes end.
    for (bool replaced = true; replaced;) {
        replaced = false;
        for (const auto& [from, to] : Entities)
            replaced |= ReplaceOnce(text, QStringView(from), QStringView(to));
    }
}

// The three entities of a chunk, lower case only, repeated until none is left.
void ReplaceChunkEntities(QString& chunk)
{
    if (!chunk.contains(u'&'))
        return;
    for (const auto& [from, to] :
         {std::pair{u"&nbsp;", u" "}, std::pair{u"&lt;", u"<"}, std::pair{u"&gt;", u">"}}) {
        for (qsizetype at = chunk.indexOf(QStringView(from)); at >= 0; at = chunk.indexOf(QStringView(from)))
            chunk.replace(at, QStringView(from).size(), QStringView(to).toString());
    }
}

// What a chunk shows with prefix processing: "&&" is one "&", a single "&"
// marks the next character.
QString Displayed(const QString& chunk, bool prefix)
{
    if (!prefix || !chunk.contains(u'&'))
        return chunk;
    QString out;
    out.reserve(chunk.size());
    for (qsizetype i = 0; i < chunk.size(); ++i) {
        if (chunk[i] == u'&') {
            if (++i < chunk.size())
                out += chunk[i];
            continue;
        }
        out += chunk[i];
    }
    return out;
}

bool IsTrimmed(QChar c)
{
    return c.unicode() <= u' ';
}

void Trim(QString& s)
{
    qsizetype a = 0, b = s.size();
    while (a < b && IsTrimmed(s[a]))
        ++a;
    while (b > a && IsTrimmed(s[b - 1]))
        --b;
    if (a > 0 || b < s.size())
        s = s.mid(a, b - a);
}

QColor Paint(TColor color)
{
    return runtime::ToQColor(color);
}

class Layout {
public:
    Layout(QPainter* painter, const TMarkupParams& params)
        : p_(params), painter_(params.MeasureOnly || params.CheckOnly ? nullptr : painter)
    {
        l_ = p_.Rect.left();
        t_ = p_.Rect.top();
        r_ = p_.Rect.left() + p_.Rect.width();
        b_ = p_.Rect.top() + p_.Rect.height();
    }

    TMarkupResult Run(QString text);

private:
    void Pass(const QString& s, LinePass& pass, RunState& st);
    TagEffect Tag(const MarkupTag& tag, LinePass& pass, RunState& st);

    // The two halves of each kind of tag; each returns how the line goes on.
    using TagHandler = TagEffect (Layout::*)(const MarkupTag&, LinePass&, RunState&);
    struct TagHandlers {
        TagHandler Open, Close;
    };
    static TagHandlers HandlersOf(MarkupTagKind kind);
    TagEffect Ignore(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect EndLine(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect OpenAnchor(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect CloseAnchor(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect OpenLineBreak(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect OpenBlink(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect RestoreColor(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect OpenBody(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect OpenFont(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect CloseFont(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect OpenHighlight(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect CloseHighlight(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect OpenRule(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect OpenIndent(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect OpenImage(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect OpenListItem(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect OpenOffset(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect CloseOffset(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect OpenParagraph(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect CloseParagraph(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect OpenRotate(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect CloseRotate(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect SubSupOff(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect OpenList(const MarkupTag& tag, LinePass& pass, RunState& st);
    TagEffect CloseList(const MarkupTag& tag, LinePass& pass, RunState& st);
    static void SetStyle(RunState& st, void (QFont::*set)(bool), bool on)
    {
        (st.Font.*set)(on);
        st.FontChanged();
    }
    // Tags that only switch a font style, or a flag of the run, on or off.
    template <void (QFont::*Set)(bool), bool On> TagEffect Style(const MarkupTag&, LinePass&, RunState& st)
    {
        SetStyle(st, Set, On);
        return TagEffect::None;
    }
    template <bool RunState::*Member, bool On> TagEffect Flag(const MarkupTag&, LinePass&, RunState& st)
    {
        st.*Member = On;
        return TagEffect::None;
    }
    template <void (QFont::*Set)(bool)> static TagHandlers StyleTag()
    {
        return {&Layout::Style<Set, true>, &Layout::Style<Set, false>};
    }
    template <bool RunState::*Member> static TagHandlers FlagTag()
    {
        return {&Layout::Flag<Member, true>, &Layout::Flag<Member, false>};
    }

    void PageBackground(const MarkupTag& tag);
    void DrawChunk(const QString& chunk, int width, LinePass& pass, RunState& st);
    void FillBand(const LinePass& pass, const RunState& st);
    void Gradient(const QRect& area, TColor from, TColor to, int steps, bool horizontal);
    QPixmap Source(const QString& source) const;
    int Gh(RunState& st) { return st.Metrics().height(); }
    bool Drawing(const LinePass& pass) const { return pass.PassMode == Mode::Draw && painter_; }
    // Whether a box lies near enough to the rectangle to be drawn at all:
    // far beyond it nothing can be seen, and the painter's own arithmetic
    // would not hold.
    bool Reachable(const QRect& box) const
    {
        return box.right() >= l_ - MaxCoordinate && box.left() <= r_ + MaxCoordinate &&
               box.bottom() >= t_ - MaxCoordinate && box.top() <= b_ + MaxCoordinate;
    }
    void SetFontSize(QFont& font, int points) const;
    void RestoreSize(QFont& font) const;
    void RestoreFace(RunState& st) const;

    const TMarkupParams& p_;
    QPainter* painter_;
    int l_, t_, r_, b_; // right and bottom exclusive
    bool prefix_ = true;
    TMarkupResult result_;
    std::vector<QRect> anchorRects_;
    // Chunk widths of the line's measuring pass, reused by its second pass
    // when the font agrees (text measuring is most of a hit test's time).
    struct Measured {
        QFont Font;
        int Width;
    };
    std::vector<Measured> lineWidths_;
    size_t nextWidth_ = 0;
};

void Layout::SetFontSize(QFont& font, int points) const
{
    // 0 asks for no particular height: the base font's. A negative size
    // measures the character cell; the em of that many points is close.
    if (points == 0)
        RestoreSize(font);
    else
        font.setPointSize(std::min(points < 0 ? -points : points, MaxPointSize));
}

void Layout::RestoreSize(QFont& font) const
{
    if (p_.Font.pixelSize() > 0)
        font.setPixelSize(p_.Font.pixelSize());
    else
        font.setPointSizeF(p_.Font.pointSizeF());
}

void Layout::RestoreFace(RunState& st) const
{
    st.Font.setFamily(p_.Font.family());
    if (!p_.Font.families().isEmpty())
        st.Font.setFamilies(p_.Font.families());
    RestoreSize(st.Font);
    st.FontChanged();
}

TMarkupResult Layout::Run(QString s)
{
    // Once per call: prefix processing, entities, the "<#" escape, and CR as
    // a line break.
    prefix_ = !s.contains(QLatin1String(" & "));
    if (s.contains(u'&'))
        ReplaceEntities(s);
    if (const qsizetype hash = s.indexOf(QLatin1String("<#")); hash >= 0) {
        s.remove(hash, 1);
        if (const qsizetype gt = s.indexOf(u'>', hash); gt >= 0)
            s.remove(gt, 1);
    }
    s.replace(u'\r', QLatin1String("<BR>"));
    s.remove(u'\n');

    if (painter_)
        painter_->save();

    RunState base;
    base.Font = p_.Font;
    base.Color = p_.FontColor;
    RunState measure = base, draw = base;

    // Each line is measured to see what fits, then drawn (or hit-tested)
    // over exactly the markup the measuring consumed.
    int y = t_;
    int total = 0, widest = 0;
    while (!s.isEmpty()) {
        RunState& current = p_.MeasureOnly ? measure : draw;
        const int gh = Gh(current);
        int lineHeight = gh;
        Trim(s);

        // Subscript and superscript end with the line; everything else
        // carries over.
        measure.Sub = measure.Sup = draw.Sub = draw.Sup = false;
        lineWidths_.clear();
        nextWidth_ = 0;
        LinePass m;
        m.PassMode = Mode::Measure;
        m.Left = Sum(l_, measure.Offset);
        m.PenX = m.Left;
        m.Top = y;
        m.TextBottom = m.BoxBottom = y + gh;
        Pass(s, m, measure);
        if (m.Consumed == 0 && !s.isEmpty())
            m.Consumed = 1; // cannot happen by the rules; never loop on it
        lineHeight = Sum(std::max(lineHeight, m.Height), p_.LineSpacing);
        const int width = m.X - m.Trailing;
        widest = std::max(widest, width);

        int left = l_;
        if (measure.Align == ParagraphAlign::Right) {
            if (r_ - width > l_)
                left = r_ - width;
        } else if (measure.Align == ParagraphAlign::Center) {
            if (r_ - l_ - width > 0)
                left = l_ + (r_ - l_ - width) / 2;
        }
        left = Sum(left, measure.Indent);
        const int step = Sum(Sum(lineHeight, m.SupExtra), m.SubExtra);

        if (!p_.MeasureOnly) {
            LinePass d;
            d.PassMode = p_.CheckOnly ? Mode::Check : Mode::Draw;
            d.Left = Sum(left, draw.Offset);
            d.PenX = d.Left;
            d.Top = y;
            d.BoxBottom = Sum(y, step);
            d.TextBottom = d.BoxBottom - m.SubExtra;
            d.SupExtra = m.SupExtra;
            d.SubExtra = m.SubExtra;
            d.PictureOffset = m.PictureOffset;
            d.Height = lineHeight;
            if (draw.ParagraphBackground)
                FillBand(d, draw);
            Pass(s.left(m.Consumed), d, draw);
            const int bandBottom = d.BoxBottom - m.PictureOffset;
            const bool inBand = p_.Mouse.y() > bandBottom - Gh(draw) && p_.Mouse.y() < bandBottom;
            if ((d.Hit && inBand && d.HitAnchor > 0) || d.PictureHit) {
                result_.OnAnchor = true;
                result_.AnchorTarget = d.HitTarget;
                result_.MouseAnchor = d.HitAnchor;
            }
        }

        y = Sum(y, step);
        total = Sum(total, step);
        s.remove(0, m.Consumed);
        if (!p_.MeasureOnly && b_ < Sum(y, gh))
            break;
    }

    if (total == 0)
        total = Gh(base);
    result_.Width = widest + 2;
    result_.Height = total;
    result_.AnchorCount = (p_.MeasureOnly ? measure : draw).AnchorCount;
    if (result_.MouseAnchor > 0 && result_.MouseAnchor <= int(anchorRects_.size()))
        result_.AnchorRect = anchorRects_[size_t(result_.MouseAnchor - 1)];
    if (painter_)
        painter_->restore();
    return result_;
}

void Layout::FillBand(const LinePass& pass, const RunState& st)
{
    if (!painter_ || p_.KeepColors)
        return;
    const QRect band(l_, pass.Top, r_ - l_, pass.BoxBottom - pass.Top);
    if (st.ParagraphColorTo != clNone)
        Gradient(band, st.ParagraphColor, st.ParagraphColorTo, 64, true);
    else if (st.ParagraphColor != clNone)
        painter_->fillRect(band, Paint(st.ParagraphColor));
}

void Layout::Gradient(const QRect& area, TColor from, TColor to, int steps, bool horizontal)
{
    if (!painter_ || area.isEmpty())
        return;
    const QColor a = Paint(from), b = Paint(to);
    if (!a.isValid() || !b.isValid())
        return;
    runtime::BevelPainter::BandedGradient(*painter_, area, a, b, steps,
                                          horizontal ? Qt::Horizontal : Qt::Vertical);
}

QPixmap Layout::Source(const QString& source) const
{
    const QString upper = AsciiUpper(source);
    if (upper.startsWith(QLatin1String("IDX:"))) {
        int n = 0;
        if (p_.Images && LeadingInteger(QStringView(source).mid(4), n) && n >= 0 && n < p_.Images->Count())
            return p_.Images->Image(n);
        return {};
    }
    // Shell icons are not offered by this platform layer; left out.
    if (upper.startsWith(QLatin1String("SSYS:")) || upper.startsWith(QLatin1String("LSYS:")))
        return {};
    if (source.contains(QLatin1String("://"))) {
        // Never fetched: only what a caller put into the cache is shown.
        if (p_.PictureCache)
            if (const QPixmap* cached = p_.PictureCache->Find(source))
                return *cached;
        return {};
    }
    if (!source.contains(u':') && p_.PictureContainer)
        return p_.PictureContainer->Find(source);
    return {};
}

void Layout::Pass(const QString& text, LinePass& pass, RunState& st)
{
    const bool measuring = pass.PassMode == Mode::Measure;
    const int available = Sum(r_ - l_, -(long long)st.Offset);
    qsizetype pos = 0;
    const qsizetype n = text.size();
    while (pos < n) {
        // The next chunk: never contains a tag; breaks after a space.
        const qsizetype lt = text.indexOf(u'<', pos);
        qsizetype end = lt < 0 ? n : lt;
        if (p_.WordWrap) {
            const qsizetype sp = text.indexOf(u' ', pos);
            if (sp >= 0 && (lt < 0 || sp < lt))
                end = sp + 1;
        }
        if (end > pos) {
            QString chunk = text.mid(pos, end - pos);
            ReplaceChunkEntities(chunk);
            if (st.Hidden) {
                if (measuring)
                    result_.StrippedText += chunk;
            } else if (!chunk.isEmpty()) {
                const QFontMetrics& fm = st.Metrics();
                const int h = fm.height();
                const QString shown = Displayed(chunk, prefix_);
                const int w = shown.contains(u'\t')
                                  ? fm.size(Qt::TextSingleLine | Qt::TextExpandTabs, shown).width()
                                  : fm.horizontalAdvance(shown);
                if (measuring) {
                    // A chunk wider than the whole line is placed
                    // (rather than looping), but on a line of its own.
                    const bool fits = Sum(pass.X, w) < available || (w >= available && !pass.TextPlaced);
                    if (!fits && p_.WordWrap)
                        break;
                    pass.Height = std::max(pass.Height, h);
                    if (st.Sub)
                        pass.SubExtra = std::max(pass.SubExtra, h / 4);
                    if (st.Sup)
                        pass.SupExtra = std::max(pass.SupExtra, h / 4);
                    result_.StrippedText += chunk;
                    pass.TextPlaced = true;
                    lineWidths_.push_back({st.Font, w});
                } else {
                    if (st.Anchor && p_.Mouse.x() >= pass.PenX && p_.Mouse.x() <= Sum(pass.PenX, w)) {
                        pass.Hit = true;
                        if (p_.Mouse.y() > pass.Top) {
                            pass.HitTarget = st.AnchorTarget;
                            pass.HitAnchor = st.AnchorCount;
                        }
                    }
                    if (st.Anchor && st.AnchorCount > 0) {
                        if (anchorRects_.size() < size_t(st.AnchorCount))
                            anchorRects_.resize(size_t(st.AnchorCount));
                        QRect& r = anchorRects_[size_t(st.AnchorCount - 1)];
                        r |= QRect(pass.PenX, pass.Top, w, pass.BoxBottom - pass.Top);
                    }
                    if (Drawing(pass))
                        DrawChunk(chunk, w, pass, st);
                    pass.PenX = Sum(pass.PenX, w);
                }
                pass.X = Sum(pass.X, w);
                pass.Trailing = chunk.endsWith(u' ') ? fm.horizontalAdvance(u' ') : 0;
            }
        }
        pos = end;
        pass.Consumed = pos;
        if (pos >= n || text[pos] != u'<')
            continue;

        // A tag; two characters or fewer, or no ">", drop the rest.
        if (n - pos <= 2) {
            pos = pass.Consumed = n;
            break;
        }
        const qsizetype gt = text.indexOf(u'>', pos);
        if (gt < 0) {
            pos = pass.Consumed = n;
            break;
        }
        const TagEffect effect = Tag(MarkupTag(text.mid(pos, gt - pos + 1)), pass, st);
        if (effect == TagEffect::SplitBefore)
            break;
        pos = pass.Consumed = gt + 1;
        if (effect == TagEffect::EndLine)
            break;
    }
}

void Layout::DrawChunk(const QString& chunk, int width, LinePass& pass, RunState& st)
{
    const QFontMetrics& fm = st.Metrics();
    if (!p_.WordWrap && pass.PenX >= r_ - fm.horizontalAdvance(u'w'))
        return;
    int bottom = pass.TextBottom - pass.PictureOffset;
    if (st.Sup)
        bottom -= pass.SupExtra;
    if (st.Sub)
        bottom += pass.SubExtra;
    const int h = fm.height();
    QRect box(pass.PenX, bottom - h, std::max(width, 1) + 1, h);
    if (!Reachable(box))
        return;
    QString shown = chunk;
    int flags = Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine | Qt::TextExpandTabs | Qt::TextDontClip;
    if (!p_.WordWrap && pass.PenX + width > r_) {
        // No wrapping: the line ends in an ellipsis where it is cut.
        shown = fm.elidedText(Displayed(chunk, prefix_), Qt::ElideRight, std::max(0, r_ - pass.PenX));
        box.setWidth(std::max(1, r_ - pass.PenX));
    } else if (prefix_) {
        flags |= Qt::TextShowMnemonic;
    }

    if (st.Brush != clNone && !p_.KeepColors) {
        const QColor fill = Paint(st.Brush);
        if (fill.isValid())
            painter_->fillRect(QRect(pass.PenX, bottom - h, width, h), fill);
    }
    painter_->setFont(st.Font);
    auto drawAt = [&](const QRect& r, const QColor& color) {
        if (!color.isValid())
            return;
        painter_->setPen(color);
        if (st.Rotation == 0) {
            painter_->drawText(r, flags, shown);
            return;
        }
        painter_->save();
        painter_->translate(r.left(), r.bottom() + 1);
        painter_->rotate(-st.Rotation);
        painter_->drawText(QRect(0, -h, r.width(), h), flags, shown);
        painter_->restore();
    };
    if (st.Shadow)
        drawAt(box.translated(p_.ShadowOffset, p_.ShadowOffset), Paint(p_.ShadowColor));
    const TColor under = st.Brush != clNone && !p_.KeepColors ? st.Brush : p_.Background;
    drawAt(box, under == clNone ? Paint(st.Color) : runtime::ReadableTextColor(st.Color, under));

    if (st.Error) {
        // A red zigzag under the chunk, its points one pixel below and above
        // the bottom, in phase with even x so neighbouring chunks join.
        QPolygon zigzag;
        const int start = pass.PenX & ~1;
        for (int x = start; x <= pass.PenX + width; x += 2)
            zigzag << QPoint(x, (x % 4 == 0) ? pass.TextBottom + 1 : pass.TextBottom - 1);
        painter_->setPen(QPen(QColor(255, 0, 0), 1));
        painter_->drawPolyline(zigzag);
    }
}

void Layout::PageBackground(const MarkupTag& tag)
{
    const QRect area(l_, t_, r_ - l_, b_ - t_);
    if (tag.Has("BACKGROUND")) {
        const QPixmap tile = Source(tag.Value("BACKGROUND"));
        if (!tile.isNull()) {
            painter_->save();
            painter_->setClipRect(area);
            painter_->drawTiledPixmap(area, tile);
            painter_->restore();
        }
    }
    if (tag.Has("BGTOPLEFT")) {
        const QPixmap corner = Source(tag.Value("BGTOPLEFT"));
        if (!corner.isNull())
            painter_->drawPixmap(l_, t_, corner);
    }
    if (tag.Has("BGTOPRIGHT")) {
        const QPixmap corner = Source(tag.Value("BGTOPRIGHT"));
        if (!corner.isNull())
            painter_->drawPixmap(r_ - corner.width(), t_, corner);
    }
    if (tag.Has("BGCOLOR")) {
        const TColor from = MarkupColor(tag.UpperValue("BGCOLOR"));
        if (tag.Has("BGCOLORTO")) {
            const bool horizontal = !tag.Has("DIR") || tag.UpperValue("DIR") == QLatin1String("H");
            Gradient(area, from, MarkupColor(tag.UpperValue("BGCOLORTO")), 64, horizontal);
        } else if (const QColor c = Paint(from); c.isValid()) {
            painter_->fillRect(area, c);
        }
    }
}

TagEffect Layout::OpenImage(const MarkupTag& tag, LinePass& pass, RunState& st)
{
    QPixmap picture = Source(tag.Value("SRC"));
    if (picture.isNull())
        return TagEffect::None;
    int w = picture.width(), h = picture.height();
    int wantW = 0, wantH = 0;
    if (tag.IntValue("WIDTH", wantW) && tag.IntValue("HEIGHT", wantH) && wantW >= 1 && wantH >= 1)
        w = wantW, h = wantH;
    w = Coordinate(w);
    h = Coordinate(h);

    if (pass.PassMode == Mode::Measure) {
        const int available = Sum(r_ - l_, -(long long)st.Offset);
        if (pass.X > 0 && Sum(pass.X, w) >= available)
            return TagEffect::SplitBefore;
        pass.Height = std::max(pass.Height, h);
        const int gh = Gh(st);
        const QString align = tag.UpperValue("ALIGN");
        if (align.startsWith(QLatin1String("TOP")))
            pass.PictureOffset = pass.Height - gh;
        else if (align.startsWith(QLatin1String("MIDDLE")))
            pass.PictureOffset = (pass.Height - gh) / 2;
        if (tag.Has("WRAP"))
            pass.Height = gh;
        pass.X = Sum(pass.X, w);
        return TagEffect::None;
    }

    const QRect box(pass.PenX, pass.TextBottom - h, w, h);
    const bool over = st.Anchor && box.contains(p_.Mouse);
    if (over) {
        pass.PictureHit = true;
        pass.HitTarget = st.AnchorTarget;
        pass.HitAnchor = st.AnchorCount;
        if (const QPixmap alt = Source(tag.Value("ALT")); !alt.isNull())
            picture = alt;
    }
    if (Drawing(pass) && Reachable(box))
        painter_->drawPixmap(box, picture);
    pass.PenX = Sum(pass.PenX, w);
    pass.X = Sum(pass.X, w);
    return TagEffect::None;
}

TagEffect Layout::Tag(const MarkupTag& tag, LinePass& pass, RunState& st)
{
    const TagHandlers handlers = HandlersOf(tag.Kind());
    return (this->*(tag.IsClosing() ? handlers.Close : handlers.Open))(tag, pass, st);
}

TagEffect Layout::Ignore(const MarkupTag&, LinePass&, RunState&)
{
    return TagEffect::None;
}

TagEffect Layout::EndLine(const MarkupTag&, LinePass&, RunState&)
{
    return TagEffect::EndLine;
}

TagEffect Layout::OpenAnchor(const MarkupTag& tag, LinePass& pass, RunState& st)
{
    st.Anchor = true;
    st.AnchorTarget = tag.FirstQuoted();
    ++st.AnchorCount;
    const bool hovered = st.AnchorCount == p_.HoverAnchor;
    if (!p_.HoverStyle || hovered) {
        SetStyle(st, &QFont::setUnderline, true);
        st.BrushBeforeAnchor = st.Brush;
        if (p_.HoverColor != clNone)
            st.Brush = p_.HoverColor;
        if (p_.HoverFontColor != clNone)
            st.Color = p_.HoverFontColor;
    }
    if (!p_.KeepColors && !(p_.HoverStyle && hovered && p_.HoverFontColor != clNone))
        st.Color = p_.URLColor;
    if (st.AnchorCount - 1 == p_.FocusAnchor && pass.PassMode != Mode::Measure)
        result_.FocusTarget = st.AnchorTarget;
    return TagEffect::None;
}

TagEffect Layout::CloseAnchor(const MarkupTag&, LinePass& pass, RunState& st)
{
    if (!p_.HoverStyle || st.AnchorCount == p_.HoverAnchor) {
        SetStyle(st, &QFont::setUnderline, false);
        st.Brush = st.BrushBeforeAnchor;
    }
    if (!p_.KeepColors)
        st.Color = p_.FontColor;
    if (Drawing(pass) && st.Anchor && st.AnchorCount - 1 == p_.FocusAnchor && st.AnchorCount > 0 &&
        size_t(st.AnchorCount) <= anchorRects_.size()) {
        painter_->setPen(QPen(Paint(st.Color), 1, Qt::DotLine));
        painter_->setBrush(Qt::NoBrush);
        painter_->drawRect(anchorRects_[size_t(st.AnchorCount - 1)].adjusted(0, 0, -1, -1));
    }
    st.Anchor = false;
    return TagEffect::None;
}

TagEffect Layout::OpenLineBreak(const MarkupTag&, LinePass& pass, RunState&)
{
    if (pass.PassMode == Mode::Measure)
        result_.StrippedText += u'\r';
    return TagEffect::EndLine;
}

TagEffect Layout::OpenBlink(const MarkupTag&, LinePass&, RunState& st)
{
    if (!p_.BlinkVisible)
        st.Color = p_.BrushColor;
    return TagEffect::None;
}

TagEffect Layout::RestoreColor(const MarkupTag&, LinePass&, RunState& st)
{
    st.Color = p_.FontColor;
    return TagEffect::None;
}

TagEffect Layout::OpenBody(const MarkupTag& tag, LinePass& pass, RunState&)
{
    if (Drawing(pass) && !p_.KeepColors)
        PageBackground(tag);
    return TagEffect::None;
}

TagEffect Layout::OpenFont(const MarkupTag& tag, LinePass& pass, RunState& st)
{
    if (tag.Has("FACE")) {
        const QString face = tag.Value("FACE");
        if (!face.isEmpty()) {
            st.Font.setFamily(face);
            st.FontChanged();
        }
    }
    if (tag.Has("COLOR") && !p_.KeepColors)
        st.Color = MarkupColor(tag.UpperValue("COLOR"));
    if (tag.Has("BGCOLOR") && pass.PassMode != Mode::Measure && !p_.KeepColors) {
        st.BrushBeforeFont = st.Brush;
        st.Brush = MarkupColor(tag.UpperValue("BGCOLOR"));
    }
    if (int size = 0; tag.FontSize(size)) {
        SetFontSize(st.Font, MarkupPointSize(size));
        st.FontChanged();
    }
    return TagEffect::None;
}

TagEffect Layout::CloseFont(const MarkupTag&, LinePass& pass, RunState& st)
{
    RestoreFace(st);
    if (pass.PassMode != Mode::Measure && !p_.KeepColors) {
        st.Color = p_.FontColor;
        st.Brush = st.BrushBeforeFont;
    }
    return TagEffect::None;
}

TagEffect Layout::OpenHighlight(const MarkupTag&, LinePass& pass, RunState& st)
{
    if (pass.PassMode != Mode::Measure) {
        st.BrushBeforeHighlight = st.Brush;
        st.Brush = runtime::clHighlight;
        st.Color = runtime::clHighlightText;
    }
    return TagEffect::None;
}

TagEffect Layout::CloseHighlight(const MarkupTag&, LinePass& pass, RunState& st)
{
    if (pass.PassMode != Mode::Measure) {
        st.Brush = st.BrushBeforeHighlight;
        st.Color = p_.FontColor;
    }
    return TagEffect::None;
}

TagEffect Layout::OpenRule(const MarkupTag&, LinePass& pass, RunState&)
{
    if (Drawing(pass)) {
        painter_->setPen(QPen(QColor(0, 0, 0), 1));
        painter_->drawLine(pass.Left, pass.TextBottom, r_ - 1, pass.TextBottom);
    }
    return TagEffect::EndLine;
}

TagEffect Layout::OpenIndent(const MarkupTag& tag, LinePass& pass, RunState&)
{
    if (int x = 0; tag.IntValue("X", x) && pass.X < Coordinate(x)) {
        pass.X = Coordinate(x);
        pass.PenX = Sum(l_, pass.X);
    }
    return TagEffect::None;
}

TagEffect Layout::OpenListItem(const MarkupTag&, LinePass& pass, RunState& st)
{
    if (pass.ListItemSeen)
        return TagEffect::SplitBefore;
    pass.ListItemSeen = true;
    const int indent = Sum(0, (long long)st.ListLevel * ListStep);
    pass.X = Sum(pass.X, indent);
    pass.PenX = Sum(pass.PenX, indent - ListStep);
    if (Drawing(pass) && !st.Hidden) {
        const QFontMetrics& fm = st.Metrics();
        painter_->setFont(st.Font);
        if (const QColor c = Paint(st.Color); c.isValid()) {
            painter_->setPen(c);
            painter_->drawText(pass.PenX, pass.TextBottom - fm.descent(),
                               st.ListLevel % 2 ? QString(u'\u2022') : QStringLiteral("o"));
        }
    }
    pass.PenX = Sum(pass.PenX, ListStep);
    return TagEffect::None;
}

TagEffect Layout::OpenOffset(const MarkupTag& tag, LinePass& pass, RunState& st)
{
    if (int x = 0; tag.IntValue("X", x))
        pass.PenX = pass.X = st.Offset = Coordinate(x);
    return TagEffect::None;
}

TagEffect Layout::CloseOffset(const MarkupTag&, LinePass&, RunState& st)
{
    st.Offset = 0;
    return TagEffect::None;
}

TagEffect Layout::OpenParagraph(const MarkupTag& tag, LinePass& pass, RunState& st)
{
    if (tag.Has("ALIGN")) {
        // Each word that appears wins over the ones tested before it.
        const QString align = tag.UpperValue("ALIGN");
        if (align.contains(QLatin1String("RIGHT")))
            st.Align = ParagraphAlign::Right;
        if (align.contains(QLatin1String("LEFT")))
            st.Align = ParagraphAlign::Left;
        if (align.contains(QLatin1String("CENTER")))
            st.Align = ParagraphAlign::Center;
    }
    if (int indent = 0; tag.IntValue("INDENT", indent))
        st.Indent = Coordinate(indent);
    if (tag.Has("BGCOLOR") && pass.PassMode != Mode::Measure && !p_.KeepColors) {
        st.ParagraphBackground = true;
        st.ParagraphColor = MarkupColor(tag.UpperValue("BGCOLOR"));
        st.ParagraphColorTo = tag.Has("BGCOLORTO") ? MarkupColor(tag.UpperValue("BGCOLORTO")) : clNone;
        FillBand(pass, st);
    }
    return TagEffect::None;
}

TagEffect Layout::CloseParagraph(const MarkupTag&, LinePass&, RunState& st)
{
    st.ParagraphBackground = false;
    return TagEffect::EndLine;
}

TagEffect Layout::OpenRotate(const MarkupTag& tag, LinePass&, RunState& st)
{
    if (int a = 0; tag.IntValue("A", a))
        st.Rotation = a % 360;
    return TagEffect::None;
}

TagEffect Layout::CloseRotate(const MarkupTag&, LinePass&, RunState& st)
{
    st.Rotation = 0;
    return TagEffect::None;
}

TagEffect Layout::SubSupOff(const MarkupTag&, LinePass&, RunState& st)
{
    st.Sub = st.Sup = false;
    return TagEffect::None;
}

TagEffect Layout::OpenList(const MarkupTag&, LinePass&, RunState& st)
{
    if (st.ListLevel < MaxCoordinate)
        ++st.ListLevel;
    return TagEffect::EndLine;
}

TagEffect Layout::CloseList(const MarkupTag&, LinePass&, RunState& st)
{
    // Outside every list the closing tag is taken for the underline's.
    if (st.ListLevel >= 1)
        --st.ListLevel;
    else
        SetStyle(st, &QFont::setUnderline, false);
    return TagEffect::None;
}

Layout::TagHandlers Layout::HandlersOf(MarkupTagKind kind)
{
    using K = MarkupTagKind;
    // A closing tag spelled like another kind's name does what its letter's
    // closing tag does: "</BR>" and "</BODY>" end the blink colour, "</HR>"
    // the highlight, "</IMG>" and "</IND>" italic.
    switch (kind) {
    case K::Anchor:
        return {&Layout::OpenAnchor, &Layout::CloseAnchor};
    case K::Bold:
        return StyleTag<&QFont::setBold>();
    case K::LineBreak:
        return {&Layout::OpenLineBreak, &Layout::RestoreColor};
    case K::Blink:
        return {&Layout::OpenBlink, &Layout::RestoreColor};
    case K::Body:
        return {&Layout::OpenBody, &Layout::RestoreColor};
    case K::Error:
        return FlagTag<&RunState::Error>();
    case K::Font:
        return {&Layout::OpenFont, &Layout::CloseFont};
    case K::Highlight:
        return {&Layout::OpenHighlight, &Layout::CloseHighlight};
    case K::HorizontalRule:
        return {&Layout::OpenRule, &Layout::CloseHighlight};
    case K::Italic:
        return StyleTag<&QFont::setItalic>();
    case K::Indent:
        return {&Layout::OpenIndent, &Layout::Style<&QFont::setItalic, false>};
    case K::Image:
        return {&Layout::OpenImage, &Layout::Style<&QFont::setItalic, false>};
    case K::ListItem:
        return {&Layout::OpenListItem, &Layout::EndLine};
    case K::Offset:
        return {&Layout::OpenOffset, &Layout::CloseOffset};
    case K::Paragraph:
        return {&Layout::OpenParagraph, &Layout::CloseParagraph};
    case K::Rotate:
        return {&Layout::OpenRotate, &Layout::CloseRotate};
    case K::Subscript:
        return {&Layout::Flag<&RunState::Sub, true>, &Layout::SubSupOff};
    case K::Superscript:
        return {&Layout::Flag<&RunState::Sup, true>, &Layout::SubSupOff};
    case K::Strike:
        return StyleTag<&QFont::setStrikeOut>();
    case K::Shadow:
        return FlagTag<&RunState::Shadow>();
    case K::Underline:
        return StyleTag<&QFont::setUnderline>();
    case K::UnorderedList:
        return {&Layout::OpenList, &Layout::CloseList};
    case K::Hidden:
        return FlagTag<&RunState::Hidden>();
    case K::Unknown:
        break;
    }
    return {&Layout::Ignore, &Layout::Ignore};
}

} // namespace

int MarkupPointSize(int value)
{
    static constexpr int Mapped[] = {8, 10, 12, 14, 16};
    return (value >= 1 && value <= 5) ? Mapped[value - 1] : value;
}

TMarkupResult DrawMarkup(QPainter* painter, const QString& text, const TMarkupParams& params)
{
    Layout layout(painter, params);
    return layout.Run(text);
}

QString StripMarkup(const QString& text)
{
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] != u'<') {
            out += text[i++];
            continue;
        }
        const qsizetype gt = text.indexOf(u'>', i);
        if (gt < 0)
            return out + text.mid(i);
        const QString upper = AsciiUpper(text.mid(i, gt - i + 1));
        if (upper == QLatin1String("<BR>") || upper == QLatin1String("<HR>")) {
            out += QLatin1String("\r\n");
        } else if (upper == QLatin1String("<Z>")) {
            const QLatin1String close(text[i + 1] == u'z' ? "</z>" : "</Z>");
            const qsizetype end = text.indexOf(close, gt + 1);
            if (end < 0)
                return out + text.mid(i);
            i = end + close.size();
            continue;
        }
        i = gt + 1;
    }
    return out;
}

} // namespace quorvant::controls
