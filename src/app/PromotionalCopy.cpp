#include "app/PromotionalCopy.h"

namespace quorvant::app {

namespace {

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The product's page with the promotion's own referral query.
QString Link(const online::Product& product, const QString& text)
{
    return QStringLiteral("<a href=\"") + Text(product.homePage) + Text(online::PromotionReferral) +
           QStringLiteral("\">") + text + QStringLiteral("</a>");
}

QString Sized(const QString& markup)
{
    return QStringLiteral("<font size=\"2\">") + markup + QStringLiteral("</font>");
}

// One paragraph of copy. The line break before the closing tags leaves an
// empty line of the 10-point font after it, which is what separates one
// paragraph from the next.
QString Paragraph(const QString& markup)
{
    return QStringLiteral("<p><font size=\"2\">") + markup + QStringLiteral("<br></font></p>");
}

} // namespace

PromotionalCopy Page2Copy()
{
    const online::Product& product = online::Page2Product;
    const QString name = Text(product.name);
    PromotionalCopy copy;
    copy.Title = Sized(QStringLiteral("<b>") + Link(product, name) + QStringLiteral("</b>"));
    copy.Body =
        Paragraph(
            Link(product, name) +
            QStringLiteral(" follows every dollar that comes in and goes out of your household, month by "
                           "month, and shows at a glance where the year is heading.")) +
        Paragraph(
            QStringLiteral("Enter your income, bills and savings once; the planner carries them forward, "
                           "warns you before an account runs short and lets you try out a new loan "
                           "payment before you sign. ") +
            Link(product, QStringLiteral("See how it works")) + u'.') +
        Paragraph(QStringLiteral("<i>Try it free for 30 days: your figures stay on your own computer.</i>"));
    copy.Footer =
        Paragraph(QStringLiteral("Also inside: printable monthly reports, a debt pay-down schedule, "
                                 "savings goals with progress bars, import of bank statements in the "
                                 "common formats and a calendar of due dates. ") +
                  Link(product, QStringLiteral("Read more about ") + name) + u'.');
    copy.PictureHint = QStringLiteral("Click to go online and learn more about ") + name;
    return copy;
}

PromotionalCopy Page3Copy()
{
    const online::Product& product = online::Page3Product;
    const QString name = Text(product.name);
    PromotionalCopy copy;
    copy.Title = Sized(QStringLiteral("<b>") + Link(product, name) + QStringLiteral("</b>"));
    copy.Body =
        Paragraph(Link(product, name) +
                  QStringLiteral(" shows how much of your home you really own: every payment split into "
                                 "principal and interest, the balance after each year and the equity you "
                                 "build.")) +
        Paragraph(
            QStringLiteral("Compare a 15-year and a 30-year loan side by side, see what one <b>extra</b> "
                           "payment a year saves, and print a full amortization schedule. ") +
            Link(product, QStringLiteral("Take the tour")) + u'.') +
        Paragraph(QStringLiteral("Made by the authors of Quorvant, with the same care for exact figures. ") +
                  Link(product, QStringLiteral("Download the trial")) + u'.');
    copy.Footer = Paragraph(QStringLiteral("<i>Visit ") + Text(online::MakerName) +
                            QStringLiteral(" online and download a free trial version of ") +
                            Link(product, name) + QStringLiteral(" today.</i>"));
    copy.PictureHint = QStringLiteral("Click to go online and learn more about ") + name;
    return copy;
}

} // namespace quorvant::app
