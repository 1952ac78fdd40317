#include "runtime/TMessageBoxAccessible.h"

#include <QMessageBox>
#include <QTextDocumentFragment>

namespace quorvant::runtime {

TMessageBoxAccessible::TMessageBoxAccessible(QMessageBox* box)
    : QAccessibleWidget(box, QAccessible::AlertMessage)
{
}

QMessageBox* TMessageBoxAccessible::box() const
{
    return static_cast<QMessageBox*>(widget());
}

QString TMessageBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return widget()->windowTitle().trimmed();
    if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty()) {
        QString message = box()->text();
        if (box()->textFormat() == Qt::RichText ||
            (box()->textFormat() == Qt::AutoText && Qt::mightBeRichText(message)))
            message = QTextDocumentFragment::fromHtml(message).toPlainText();
        QString informative = box()->informativeText();
        if (!informative.isEmpty())
            message += u'\n' + informative;
        return message;
    }
    return QAccessibleWidget::text(t);
}

} // namespace quorvant::runtime
