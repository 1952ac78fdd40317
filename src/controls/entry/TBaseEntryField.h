#pragma once
// The custom-drawn single-line entry control the picture fields build on:
// key translation through the entry controller, command dispatch, the
// clipboard, the caret, focus entry and exit with validation and its error
// report, the context menu and painting with the state colours. What the
// text is and how it is edited comes from the derived field.

#include <QBasicTimer>
#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <cstdint>

#include "controls/keys/TEntryController.h"

class QMenu;
#include "runtime/TColor.h"

namespace quorvant::controls {

class TBaseEntryField : public QWidget {
    Q_OBJECT
public:
    enum TEntryFieldOption : unsigned {
        efoArrowIncDec = 1u << 0,
        efoCaretToEnd = 1u << 1,
        efoForceInsert = 1u << 2,
        efoForceOvertype = 1u << 3,
        efoInputRequired = 1u << 4,
        efoPasswordMode = 1u << 5,
        efoReadOnly = 1u << 6,
        efoRightAlign = 1u << 7,
        efoRightJustify = 1u << 8,
        efoSoftValidation = 1u << 9,
        efoStripLiterals = 1u << 10,
        efoTrimBlanks = 1u << 11,
    };
    Q_DECLARE_FLAGS(TEntryFieldOptions, TEntryFieldOption)
    Q_FLAG(TEntryFieldOptions)
    enum TCaretShape { csBlock, csHalfBlock, csVertLine, csHorzLine, csCustom, csBitmap };
    Q_ENUM(TCaretShape)
    enum TBorderStyle { bsNone, bsSingle };
    Q_ENUM(TBorderStyle)

    static constexpr unsigned DefaultOptions = efoCaretToEnd | efoTrimBlanks;

    explicit TBaseEntryField(QWidget* parent = nullptr);
    ~TBaseEntryField() override;

    TEntryFieldOptions Options() const { return options_; }
    void SetOptions(TEntryFieldOptions options);
    int TextMargin() const { return textMargin_; }
    void SetTextMargin(int margin);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    TCaretShape CaretInsShape() const { return caretIns_; }
    void SetCaretInsShape(TCaretShape shape);
    TCaretShape CaretOvrShape() const { return caretOvr_; }
    void SetCaretOvrShape(TCaretShape shape);
    runtime::TColor Color() const { return color_; }
    void SetColor(runtime::TColor color);
    bool TabStop() const { return focusPolicy() == Qt::StrongFocus; }
    void SetTabStop(bool tabStop);

    // The state colour pairs.
    runtime::TColor DisabledBackColor() const { return colors_[0]; }
    runtime::TColor DisabledTextColor() const { return colors_[1]; }
    runtime::TColor ErrorBackColor() const { return colors_[2]; }
    runtime::TColor ErrorTextColor() const { return colors_[3]; }
    runtime::TColor HighlightBackColor() const { return colors_[4]; }
    runtime::TColor HighlightTextColor() const { return colors_[5]; }
    void SetDisabledBackColor(runtime::TColor c) { SetStateColor(0, c); }
    void SetDisabledTextColor(runtime::TColor c) { SetStateColor(1, c); }
    void SetErrorBackColor(runtime::TColor c) { SetStateColor(2, c); }
    void SetErrorTextColor(runtime::TColor c) { SetStateColor(3, c); }
    void SetHighlightBackColor(runtime::TColor c) { SetStateColor(4, c); }
    void SetHighlightTextColor(runtime::TColor c) { SetStateColor(5, c); }

    // The field's own controller; none means the form's or the default one.
    TEntryController* Controller() const { return controller_; }
    void SetController(TEntryController* controller) { controller_ = controller; }
    TEntryController& EffectiveController() const;

    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }
    bool InsertMode() const { return insertMode_; }
    bool IsInvalid() const { return invalid_; }
    std::uint16_t LastValidationCode() const { return lastCode_; }
    bool HasSelection() const { return efHasSelection(); }
    // What is drawn, before alignment.
    QString DrawnText() const { return efDrawnText(); }
    // The value as assistive technology reads it.
    QVariant AccessibleValue() const { return efValue(); }

    // The label that names the field (its caption beside it); none means
    // the label is looked up by position.
    QWidget* CaptionLabel() const { return captionLabel_; }
    void SetCaptionLabel(QWidget* label) { captionLabel_ = label; }

    // The standard edit requests; they go through the key commands.
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void ClearSelection();
    void SelectAll();
    // Any non-empty selection of a numeric field is the whole text.
    void GetSel(int& start, int& end) const;
    void SetSel(int start, int end);
    // Runs one edit command as a key would.
    void ProcessCommand(int command);
    // The field's own context menu (Restore, Cut, Copy, Paste, Delete,
    // Select All), enabled for the current state; the caller owns it.
    QMenu* CreateContextMenu();

signals:
    void OnChange(QObject* Sender);
    void OnError(QObject* Sender, std::uint16_t ErrorCode, const QString& ErrorMsg);
    void OnUserValidation(QObject* Sender, std::uint16_t& ErrorCode);
    void OnUserCommand(QObject* Sender, std::uint16_t Command);
    void AfterEnter(QObject* Sender);
    void AfterExit(QObject* Sender);

protected:
    // The editing side, supplied by the derived field.
    virtual QString efDisplayText() const = 0;
    virtual QString efDrawnText() const = 0;
    virtual bool efHasSelection() const = 0;
    virtual void efSelectAll() = 0;
    virtual void efDropSelection() = 0;
    // false when the character is refused.
    virtual bool efTypeChar(QChar ch) = 0;
    virtual void efRemove() = 0;
    virtual void efClearEntry() = 0;
    virtual void efPaste(const QString& text) = 0;
    virtual void efStep(int step) = 0;
    virtual void efRestore() = 0;
    // Focus entry: rebuilds the entry buffer, saving the restore text first
    // when asked.
    virtual void efEnter(bool saveRestoreText) = 0;
    virtual void efLeave() = 0;
    // Built-in checks; writeBack reformats a valid value.
    virtual std::uint16_t efValidate(bool writeBack) = 0;
    virtual bool efAllBlank() const = 0;
    virtual bool efEntryFull() const { return false; }
    virtual bool efUninitialized() const { return false; }
    virtual void efClearUninitialized() {}
    virtual QVariant efValue() const { return efDrawnText(); }

    // Tells assistive technology when the shown text has changed since it
    // was last told; cheap when nothing changed.
    void NotifyTextChange();

    // The validation with OnUserValidation; stores the code.
    std::uint16_t RunValidation(bool writeBack);
    bool FieldHasFocus() const { return focused_; }
    bool BeingRead() const { return reading_; }
    void SetBeingRead(bool reading) { reading_ = reading; }
    void SetInvalid(bool invalid) { invalid_ = invalid; }
    // Refused key: a beep when the controller says so.
    void Refuse();
    // The one step of every edit a person makes: runs it and, when the text
    // changed, marks the field modified and reports the change. Returns
    // what the edit returns.
    template <class Edit> auto UserEdit(Edit&& edit);
    void ReportError(std::uint16_t code);
    // The validation of a focus exit: false when the exit is refused (the
    // focus return and the error report are posted).
    bool ValidateWithReport();
    void AdjustHeight();

    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    void changeEvent(QEvent* e) override;
    QSize sizeHint() const override;

private:
    void SetStateColor(int index, runtime::TColor color);
    // Editing, stepping, moving and selecting commands; the caller commits.
    void ApplyEditingCommand(int command);
    // The exit work of a focus move inside the form: validation with its
    // report, the edit events, the state dropped.
    void LeaveField(QWidget* gaining);
    void MoveFocus(bool next);
    void RestartCaret();
    runtime::TColor CurrentBackColor() const;
    void DrawBackground(QPainter& p, const QRect& r) const;
    void DrawText(QPainter& p, const QRect& textRect) const;
    void DrawCaret(QPainter& p, const QRect& textRect) const;
    QRect TextRect() const;

    TEntryFieldOptions options_ = TEntryFieldOptions(DefaultOptions);
    int textMargin_ = 2;
    bool autoSize_ = true;
    TBorderStyle borderStyle_ = bsSingle;
    TCaretShape caretIns_ = csVertLine;
    TCaretShape caretOvr_ = csBlock;
    runtime::TColor color_ = runtime::clWindow;
    runtime::TColor colors_[6] = {runtime::clWindow, runtime::clGrayText,  runtime::clRed,
                                  runtime::clBlack,  runtime::clHighlight, runtime::clHighlightText};
    QPointer<TEntryController> controller_;
    QPointer<QWidget> captionLabel_;
    QString announcedText_;

    bool focused_ = false;
    bool modified_ = false;
    bool invalid_ = false;
    bool insertMode_ = true;
    bool reading_ = false;
    bool refusedExit_ = false;
    // Entered while another field's refused exit was pending: the focus is
    // only passing through and leaving again validates nothing.
    bool passingThrough_ = false;
    // A left press while unfocused: the focus that follows (maybe only
    // when the window gets activated) comes by mouse.
    bool focusByMouse_ = false;
    bool inUserValidation_ = false;
    std::uint16_t lastCode_ = 0;
    bool caretOn_ = false;
    QBasicTimer caretTimer_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TBaseEntryField::TEntryFieldOptions)

} // namespace quorvant::controls
