#pragma once
// The markup of the two promotional pages, built from the address table so
// that product names and addresses are written in one place only.

#include <QString>

#include "app/OnlineAddresses.h"

namespace quorvant::app {

struct PromotionalCopy {
    QString Title;  // the product's name in bold, as a link
    QString Body;   // three paragraphs with links
    QString Footer; // one paragraph or one italic line
    QString PictureHint;
};

// Page2's copy (the last paragraph of the body in italics, a footer listing
// further contents) and Page3's (one bold word in the body, an italic
// invitation as the footer).
PromotionalCopy Page2Copy();
PromotionalCopy Page3Copy();

} // namespace quorvant::app
