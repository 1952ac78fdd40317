#pragma once
// A lock-key indicator panel: its caption, and the colours for on and off.

#include <QObject>
#include <QString>

#include "runtime/TColor.h"

namespace quorvant::controls {

class TStatusPanel;

class TPanelLockKeyStyle : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(quorvant::runtime::TColor ColorOn READ ColorOn WRITE SetColorOn)
    Q_PROPERTY(quorvant::runtime::TColor ColorOff READ ColorOff WRITE SetColorOff)
    Q_PROPERTY(TLockKeyType LockKeyType READ LockKeyType WRITE SetLockKeyType)

public:
    enum TLockKeyType { lktNumLock, lktCapsLock, lktScrollLock };
    Q_ENUM(TLockKeyType)

    explicit TPanelLockKeyStyle(TStatusPanel* owner);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    runtime::TColor ColorOn() const { return colorOn_; }
    void SetColorOn(runtime::TColor color);
    runtime::TColor ColorOff() const { return colorOff_; }
    void SetColorOff(runtime::TColor color);
    // Choosing a key resets the caption to the key's name.
    TLockKeyType LockKeyType() const { return type_; }
    void SetLockKeyType(TLockKeyType type);

private:
    TStatusPanel* owner_;
    QString caption_ = QStringLiteral("NUM");
    runtime::TColor colorOn_ = runtime::clWindowText;
    runtime::TColor colorOff_ = runtime::clGrayText;
    TLockKeyType type_ = lktNumLock;
};

} // namespace quorvant::controls
