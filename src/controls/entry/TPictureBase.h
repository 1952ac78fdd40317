#pragma once
// An entry field shown through a picture mask, with the pad character for
// unfilled positions left of the value.

#include <QChar>
#include <QString>

#include "controls/entry/TBaseEntryField.h"

namespace quorvant::controls {

class TPictureBase : public TBaseEntryField {
    Q_OBJECT
public:
    explicit TPictureBase(QWidget* parent = nullptr);

    QChar PadChar() const { return padChar_; }
    void SetPadChar(QChar pad);

protected:
    QChar padChar_ = u' ';
};

} // namespace quorvant::controls
