// Random markup through the layout in every mode, with random rectangles and
// mouse points, and through the plain-text conversion: nothing may crash,
// hang or read out of bounds, and the results stay within sane limits.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "controls/markup/MarkupEngine.h"
#include "controls/markup/TImageList.h"
#include "controls/markup/TPictureContainer.h"
#include "controls/markup/TRichPictureCache.h"

using namespace quorvant::controls;

namespace {

struct Fixture {
    TImageList images;
    TPictureContainer container;
    TRichPictureCache cache;
    QImage canvas{160, 120, QImage::Format_RGB32};
    Fixture()
    {
        QPixmap picture(8, 8);
        picture.fill(Qt::red);
        images.Add(picture);
        container.Add(QStringLiteral("pic"), picture);
        cache.Add(QStringLiteral("http://x.example/a.bmp"), picture);
    }
};

Fixture* TheFixture = nullptr;

} // namespace

// Fontconfig keeps the patterns it builds for every face name the markup asks
// for until the process ends; they are not ours to free.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    TheFixture = new Fixture;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 8)
        return 0;
    const std::uint8_t mode = data[0], flags = data[1];
    const QRect rect(data[2] % 40, data[3] % 40, data[4] % 160, data[5] % 120);
    const QPoint mouse(data[6] % 170, data[7] % 130);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 8), qsizetype(size - 8));

    TMarkupParams p;
    p.Font = QFont(QStringLiteral("Liberation Sans"), 8);
    p.Rect = rect;
    p.Mouse = mouse;
    p.LineSpacing = (flags >> 6) & 3;
    p.Images = &TheFixture->images;
    p.PictureContainer = &TheFixture->container;
    p.PictureCache = &TheFixture->cache;
    p.WordWrap = flags & 1;
    p.HoverStyle = flags & 2;
    p.BlinkVisible = flags & 4;
    p.KeepColors = flags & 8;
    p.HoverAnchor = (flags >> 4) & 3;
    p.FocusAnchor = int((flags >> 4) & 3) - 1;
    p.HoverColor = quorvant::runtime::clYellow;
    p.MeasureOnly = mode % 3 == 0;
    p.CheckOnly = mode % 3 == 1;

    TMarkupResult r;
    if (mode % 3 == 2) {
        QPainter painter(&TheFixture->canvas);
        r = DrawMarkup(&painter, text, p);
    } else {
        r = DrawMarkup(nullptr, text, p);
    }
    if (r.Width < 2 || r.Height <= 0 || r.AnchorCount < 0 || r.MouseAnchor > r.AnchorCount)
        std::abort();
    (void)StripMarkup(text);
    return 0;
}
