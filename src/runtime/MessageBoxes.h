#pragma once
// Modal message boxes with one "OK" button, through the platform layer so
// that tests can see and answer them. CR LF and LF CR both break lines.

#include <QString>

#include "platform/Platform.h"

class QWidget;

namespace quorvant::runtime {

void ShowMessageBox(QWidget* owner, const QString& text, const QString& caption,
                    platform::MessageBoxIcon icon);
// The "Information" box with the information icon.
void InformationBox(const QString& text, QWidget* owner = nullptr);
// An error box titled with the application's title.
void ErrorBox(const QString& text, QWidget* owner = nullptr);

} // namespace quorvant::runtime
