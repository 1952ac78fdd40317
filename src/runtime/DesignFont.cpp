#include "runtime/DesignFont.h"

#include <QApplication>

namespace quorvant::runtime {

QFont DesignFont(const QString& family, int pixelHeight)
{
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setOverline(false);
    font.setFixedPitch(false);
    font.setKerning(true);
    font.setStretch(QFont::Unstretched);
    font.setCapitalization(QFont::MixedCase);
    font.setLetterSpacing(QFont::PercentageSpacing, 100);
    font.setWordSpacing(0);
    font.setStyleHint(QFont::AnyStyle, QFont::PreferDefault);
    font.setHintingPreference(QFont::PreferDefaultHinting);
    font.setStyleName(QString());
    // Resolved in full: a child widget takes nothing from the desktop font.
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

QFont DesktopMenuFont()
{
    QFont font = QApplication::font("QMenu");
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

} // namespace quorvant::runtime
