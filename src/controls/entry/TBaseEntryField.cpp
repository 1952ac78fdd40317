#include "controls/entry/TBaseEntryField.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionFrame>
#include <type_traits>
#include <utility>

#include "controls/TControlsAccessibleFactory.h"
#include "controls/entry/EntryErrors.h"
#include "controls/keys/EntryCommands.h"
#include "controls/keys/TEntryController.h"
#include "controls/keys/TKeyCodes.h"
#include "platform/Platform.h"
#include "runtime/Guard.h"
#include "runtime/TAccessibleEvents.h"
#include "runtime/TFocusEvents.h"

namespace quorvant::controls {

namespace {

// Remembers the widget that last lost the focus, so that a field gaining it
// can name the control it came from (Qt delivers the focus-out first).
class FocusLoserRecorder : public QObject {
public:
    static FocusLoserRecorder& Instance()
    {
        static auto* recorder = [] {
            auto* r = new FocusLoserRecorder;
            qApp->installEventFilter(r);
            return r;
        }();
        return *recorder;
    }
    QPointer<QWidget> lastLoser;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::FocusOut && watched->isWidgetType())
            lastLoser = static_cast<QWidget*>(watched);
        return false;
    }
};

bool IsEditingCommand(int c)
{
    switch (c) {
    case ccBack:
    case ccDel:
    case ccCtrlChar:
    case ccCut:
    case ccDec:
    case ccDelBol:
    case ccDelEol:
    case ccDelLine:
    case ccDelWord:
    case ccInc:
    case ccPaste:
    case ccRestore:
        return true;
    default:
        return false;
    }
}

bool IsSelectAllCommand(int c)
{
    switch (c) {
    case ccExtendLeft:
    case ccExtendRight:
    case ccExtendHome:
    case ccExtendEnd:
    case ccExtWordLeft:
    case ccExtWordRight:
        return true;
    default:
        return false;
    }
}

} // namespace

TBaseEntryField::TBaseEntryField(QWidget* parent) : QWidget(parent)
{
    TControlsAccessibleFactory::Install();
    FocusLoserRecorder::Instance();
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
    resize(130, 25);
    AdjustHeight();
}

TBaseEntryField::~TBaseEntryField() = default;

TEntryController& TBaseEntryField::EffectiveController() const
{
    return TEntryController::For(this, controller_);
}

void TBaseEntryField::SetOptions(TEntryFieldOptions options)
{
    if (options == options_)
        return;
    options_ = options;
    if (options_ & efoForceInsert)
        insertMode_ = true;
    else if (options_ & efoForceOvertype)
        insertMode_ = false;
    update();
}

void TBaseEntryField::SetTextMargin(int margin)
{
    if (margin == textMargin_)
        return;
    textMargin_ = margin;
    update();
}

void TBaseEntryField::SetAutoSize(bool autoSize)
{
    if (autoSize == autoSize_)
        return;
    autoSize_ = autoSize;
    AdjustHeight();
    update();
}

void TBaseEntryField::SetBorderStyle(TBorderStyle style)
{
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    AdjustHeight();
    update();
}

void TBaseEntryField::SetCaretInsShape(TCaretShape shape)
{
    if (shape == caretIns_)
        return;
    caretIns_ = shape;
    update();
}

void TBaseEntryField::SetCaretOvrShape(TCaretShape shape)
{
    if (shape == caretOvr_)
        return;
    caretOvr_ = shape;
    update();
}

void TBaseEntryField::SetColor(runtime::TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    update();
}

void TBaseEntryField::SetTabStop(bool tabStop)
{
    // Without a tab stop the field still takes the focus on a click.
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TBaseEntryField::SetStateColor(int index, runtime::TColor color)
{
    if (colors_[index] == color)
        return;
    colors_[index] = color;
    update();
}

void TBaseEntryField::AdjustHeight()
{
    if (!autoSize_)
        return;
    // Character height plus eight border heights (six without a 3-D border).
    const int borders = borderStyle_ == bsSingle ? 8 : 6;
    resize(width(), fontMetrics().height() + borders);
}

QSize TBaseEntryField::sizeHint() const
{
    return {130, autoSize_ ? fontMetrics().height() + (borderStyle_ == bsSingle ? 8 : 6) : 25};
}

void TBaseEntryField::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::FontChange)
        AdjustHeight();
    if (e->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(e);
}

void TBaseEntryField::Refuse()
{
    if (EffectiveController().EntryOptions & efoBeepOnError)
        platform::ThePlatform().MessageBeep();
}

void TBaseEntryField::NotifyTextChange()
{
    // As assistive technology reads it: without the pad blanks.
    const QString now = efDrawnText().trimmed();
    if (now == announcedText_)
        return;
    const QString old = std::exchange(announcedText_, now);
    if (!runtime::TAccessibleEvents::Wanted())
        return;
    QAccessibleTextUpdateEvent text(this, 0, old, now);
    runtime::TAccessibleEvents::Send(text);
    QAccessibleValueChangeEvent value(this, efValue());
    runtime::TAccessibleEvents::Send(value);
}

template <class Edit> auto TBaseEntryField::UserEdit(Edit&& edit)
{
    const QString before = efDisplayText();
    const auto commit = [&] {
        if (efDisplayText() == before)
            return;
        modified_ = true;
        NotifyTextChange();
        update();
        emit OnChange(this);
    };
    if constexpr (std::is_void_v<decltype(edit())>) {
        edit();
        commit();
    } else {
        auto result = edit();
        commit();
        return result;
    }
}

std::uint16_t TBaseEntryField::RunValidation(bool writeBack)
{
    std::uint16_t code = 0;
    if ((options_ & efoInputRequired) && !(options_ & efoReadOnly) &&
        (efAllBlank() || (efUninitialized() && !modified_)))
        code = vcRequired;
    else
        code = efValidate(writeBack);
    if (writeBack && code == 0) {
        NotifyTextChange();
        update();
    }
    if (!inUserValidation_) {
        inUserValidation_ = true;
        runtime::Guarded(this, [&] { emit OnUserValidation(this, code); });
        inUserValidation_ = false;
    }
    lastCode_ = code;
    return code;
}

void TBaseEntryField::ReportError(std::uint16_t code)
{
    TEntryController& c = EffectiveController();
    const QString message = ValidationMessage(code, c.ErrorText);
    c.ErrorText = message;
    runtime::Guarded(this, [&] {
        if (isSignalConnected(QMetaMethod::fromSignal(&TBaseEntryField::OnError)))
            emit OnError(this, code, message);
        else
            c.DoReportError(this, code, message);
    });
}

bool TBaseEntryField::ValidateWithReport()
{
    if (!isVisible() || !isEnabled())
        return true;
    const std::uint16_t code = RunValidation(focused_ && !reading_);
    if (code == 0) {
        invalid_ = false;
        return true;
    }
    if (options_ & efoSoftValidation) {
        invalid_ = true;
        update();
        return true;
    }
    TEntryController& c = EffectiveController();
    c.PostFocusBack(this);
    if (!c.ErrorPending) {
        QPointer<TBaseEntryField> self(this);
        c.Post(this, [self, code] {
            if (self)
                self->ReportError(code);
        });
        c.ErrorPending = true;
        c.ErrorField = this;
    }
    refusedExit_ = true;
    return false;
}

void TBaseEntryField::MoveFocus(bool next)
{
    QPointer<TBaseEntryField> self(this);
    EffectiveController().Post(this, [self, next] {
        if (self)
            self->focusNextPrevChild(next);
    });
}

bool TBaseEntryField::event(QEvent* e)
{
    if (e->type() == runtime::TFocusEvents::ExitDueEvent()) {
        // Left through a menu or while the window was inactive: kept till now.
        if (focused_ && !hasFocus())
            LeaveField(QApplication::focusWidget());
        return true;
    }
    if (e->type() == QEvent::ShortcutOverride) {
        // Editing keys belong to the field; F1 and menu shortcuts do not.
        auto* k = static_cast<QKeyEvent*>(e);
        const auto mods = k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        const int key = k->key();
        const bool editKey = key == Qt::Key_Backspace || key == Qt::Key_Delete || key == Qt::Key_Insert ||
                             key == Qt::Key_Home || key == Qt::Key_End || key == Qt::Key_Left ||
                             key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
        const bool ctrlEdit = mods == Qt::ControlModifier &&
                              (key == Qt::Key_C || key == Qt::Key_X || key == Qt::Key_V || key == Qt::Key_Z ||
                               key == Qt::Key_Insert || key == Qt::Key_Left || key == Qt::Key_Right);
        const bool typed = mods == Qt::NoModifier && !k->text().isEmpty() && k->text()[0].isPrint();
        if ((editKey && mods == Qt::NoModifier) || ctrlEdit || typed) {
            e->accept();
            return true;
        }
    }
    return QWidget::event(e);
}

void TBaseEntryField::keyPressEvent(QKeyEvent* e)
{
    const std::uint8_t key = TKeyCodes::FromEvent(*e);
    if (key == 0 || key == TKeyCodes::vkShift || key == TKeyCodes::vkMenu ||
        (key == TKeyCodes::vkTab && (e->modifiers() & Qt::AltModifier))) {
        e->ignore();
        return;
    }
    const int command = EffectiveController().Translate(key, TKeyCodes::ShiftState(e->modifiers()));
    if (command == ccNotCommand) {
        const QString text = e->text();
        if (text.isEmpty() || !text[0].isPrint() ||
            (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            // Enter, Escape, F-keys: the window's.
            e->ignore();
            return;
        }
        if (options_ & efoReadOnly) {
            Refuse();
            return;
        }
        for (QChar ch : text) {
            const bool accepted = UserEdit([&] { return efTypeChar(ch); });
            if (!accepted)
                Refuse();
            else if (ch != u'-' && efEntryFull() && (EffectiveController().EntryOptions & efoAutoAdvanceChar))
                MoveFocus(true);
        }
        RestartCaret();
        return;
    }
    if (command == ccSequencePending || command == ccSequenceBroken)
        return;
    ProcessCommand(command);
}

void TBaseEntryField::ProcessCommand(int command)
{
    if (command == ccUndo)
        command = ccRestore;
    if (command >= ccUserFirst) {
        runtime::Guarded(this, [&] { emit OnUserCommand(this, static_cast<std::uint16_t>(command)); });
        return;
    }
    if ((options_ & efoReadOnly) && IsEditingCommand(command)) {
        Refuse();
        return;
    }
    switch (command) {
    case ccCopy:
        CopyToClipboard();
        return;
    case ccCut:
        CutToClipboard();
        return;
    case ccPaste:
        PasteFromClipboard();
        return;
    case ccRestore:
        efRestore();
        modified_ = false;
        NotifyTextChange();
        update();
        emit OnChange(this);
        return;
    default:
        break;
    }
    // Stepping is a user edit as well: it marks the field and fires OnChange.
    UserEdit([&] { ApplyEditingCommand(command); });
    NotifyTextChange();
    RestartCaret();
    update();
}

void TBaseEntryField::ApplyEditingCommand(int command)
{
    const TBaseEFOptions shared = EffectiveController().EntryOptions;
    bool keepSelection = false;
    switch (command) {
    case ccBack:
    case ccDel:
        if (efHasSelection())
            efClearEntry();
        else
            efRemove();
        break;
    case ccDelLine:
        efClearEntry();
        break;
    case ccDelWord:
        if (efHasSelection())
            efClearEntry();
        break;
    case ccIns:
        if (!(options_ & (efoForceInsert | efoForceOvertype)))
            insertMode_ = !insertMode_;
        break;
    case ccInc:
    case ccDec:
        efStep(command == ccInc ? 1 : -1);
        break;
    case ccUp:
    case ccDown: {
        const bool up = command == ccUp;
        if (shared & efoAutoAdvanceUpDown)
            MoveFocus(!up);
        else if ((options_ & efoArrowIncDec) && !(options_ & efoReadOnly))
            efStep(up ? 1 : -1);
        else if (shared & efoAutoAdvanceLeftRight)
            MoveFocus(!up);
        break;
    }
    case ccLeft:
    case ccWordLeft:
    case ccRight:
    case ccWordRight:
        if (shared & efoAutoAdvanceLeftRight)
            MoveFocus(command == ccRight || command == ccWordRight);
        break;
    default:
        if (IsSelectAllCommand(command)) {
            efSelectAll();
            keepSelection = true;
        }
        break;
    }
    if (!keepSelection)
        efDropSelection();
}

void TBaseEntryField::CopyToClipboard()
{
    if (efHasSelection())
        platform::ThePlatform().SetClipboardText(efDrawnText().trimmed().toStdString());
}

void TBaseEntryField::CutToClipboard()
{
    if (options_ & efoReadOnly) {
        Refuse();
        return;
    }
    if (!efHasSelection())
        return;
    CopyToClipboard();
    UserEdit([&] { efClearEntry(); });
    update();
}

void TBaseEntryField::PasteFromClipboard()
{
    if (options_ & efoReadOnly) {
        Refuse();
        return;
    }
    UserEdit([&] { efPaste(QString::fromStdString(platform::ThePlatform().ClipboardText())); });
    update();
}

void TBaseEntryField::ClearSelection()
{
    if (options_ & efoReadOnly) {
        Refuse();
        return;
    }
    if (!efHasSelection())
        return;
    UserEdit([&] { efClearEntry(); });
    update();
}

void TBaseEntryField::SelectAll()
{
    efSelectAll();
    update();
}

void TBaseEntryField::GetSel(int& start, int& end) const
{
    const int length = static_cast<int>(efDisplayText().size());
    start = efHasSelection() ? 0 : length;
    end = length;
}

void TBaseEntryField::SetSel(int start, int end)
{
    if (start != end)
        efSelectAll();
    else
        efDropSelection();
    update();
}

void TBaseEntryField::focusInEvent(QFocusEvent* e)
{
    // Back from another window or a menu, however it came back (a click on
    // the field ends menu mode too): the field was never left and kept its
    // state, so the entry goes on where it stopped.
    if (focused_) {
        RestartCaret();
        QWidget::focusInEvent(e);
        return;
    }
    TEntryController& c = EffectiveController();
    focused_ = true;
    c.EntryCommands.ResetCommandProcessor();
    if (options_ & efoForceInsert)
        insertMode_ = true;
    else if (options_ & efoForceOvertype)
        insertMode_ = false;
    else
        insertMode_ = c.InsertMode;

    const bool otherPending = c.ErrorPending && c.ErrorField != this;
    passingThrough_ = otherPending;
    if (!otherPending) {
        if (!refusedExit_)
            modified_ = false;
        QWidget* losing = FocusLoserRecorder::Instance().lastLoser;
        c.PostPreEdit(this, losing == this ? nullptr : losing);
        c.ErrorPending = false;
        c.ErrorField = nullptr;
    }
    efEnter(!otherPending);
    const bool byLeftClick = focusByMouse_ || (e->reason() == Qt::MouseFocusReason &&
                                               !(QGuiApplication::mouseButtons() & Qt::RightButton));
    focusByMouse_ = false;
    if (!byLeftClick && !otherPending) {
        efDropSelection();
        if (c.EntryOptions & efoAutoSelect)
            efSelectAll();
    } else if (refusedExit_ && (c.EntryOptions & efoAutoSelect)) {
        efSelectAll();
    }
    refusedExit_ = false;
    RestartCaret();
    QPointer<TBaseEntryField> self(this);
    c.Post(this, [self] {
        if (self)
            emit self->AfterEnter(self);
    });
    QWidget::focusInEvent(e);
}

void TBaseEntryField::focusOutEvent(QFocusEvent* e)
{
    focusByMouse_ = false;
    QWidget* gaining = QApplication::focusWidget();
    caretTimer_.stop();
    caretOn_ = false;
    // Another window or menu mode: the field keeps everything for the return.
    // Should its form move the focus on meanwhile, the exit work follows then
    // (ExitDueEvent).
    const bool leavesForm = gaining == this || !gaining || gaining->window() != window() ||
                            runtime::TFocusEvents::IsMenu(gaining) || e->reason() == Qt::PopupFocusReason ||
                            e->reason() == Qt::MenuBarFocusReason ||
                            e->reason() == Qt::ActiveWindowFocusReason;
    if (!leavesForm)
        LeaveField(gaining);
    update();
    QWidget::focusOutEvent(e);
}

void TBaseEntryField::LeaveField(QWidget* gaining)
{
    focusByMouse_ = false;
    caretTimer_.stop();
    caretOn_ = false;
    TEntryController& c = EffectiveController();
    if (!(options_ & (efoForceInsert | efoForceOvertype)))
        c.InsertMode = insertMode_;
    bool refused = false;
    // Two invalid fields would otherwise hand the focus back and forth.
    if (!refusedExit_ && !passingThrough_) {
        if (modified_)
            efClearUninitialized();
        if (c.IsSpecialControl(this, gaining))
            RunValidation(false);
        else
            refused = !ValidateWithReport();
    }
    focused_ = false;
    if (!refused && !passingThrough_)
        c.PostPostEdit(this, gaining);
    passingThrough_ = false;
    efDropSelection();
    efLeave();
    NotifyTextChange();
    update();
    QPointer<TBaseEntryField> self(this);
    c.Post(this, [self] {
        if (self)
            emit self->AfterExit(self);
    });
}

void TBaseEntryField::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) {
        // Qt has already given the focus for the click; either way the
        // click drops the selection.
        efDropSelection();
        if (!focused_)
            focusByMouse_ = true;
        if (!hasFocus() && focusPolicy() != Qt::NoFocus)
            setFocus(Qt::MouseFocusReason);
        RestartCaret();
        update();
    }
    e->accept();
}

void TBaseEntryField::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && hasFocus()) {
        efSelectAll();
        update();
    }
    e->accept();
}

QMenu* TBaseEntryField::CreateContextMenu()
{
    const bool readOnly = options_ & efoReadOnly;
    const bool selected = efHasSelection();
    auto* menu = new QMenu(this);
    auto add = [&](const QString& text, bool enabled, auto action) {
        QAction* a = menu->addAction(text);
        a->setEnabled(enabled);
        QObject::connect(a, &QAction::triggered, this, [this, action] { runtime::Guarded(this, action); });
    };
    add(tr("&Restore"), modified_, [this] { ProcessCommand(ccRestore); });
    menu->addSeparator();
    add(tr("Cu&t"), selected && !readOnly, [this] { ProcessCommand(ccCut); });
    add(tr("&Copy"), selected, [this] { ProcessCommand(ccCopy); });
    add(tr("&Paste"), !readOnly && !platform::ThePlatform().ClipboardText().empty(),
        [this] { ProcessCommand(ccPaste); });
    add(tr("&Delete"), selected && !readOnly, [this] { ClearSelection(); });
    menu->addSeparator();
    add(tr("Select &All"), !selected && !efDisplayText().isEmpty(), [this] { SelectAll(); });
    return menu;
}

void TBaseEntryField::contextMenuEvent(QContextMenuEvent* e)
{
    if (focusPolicy() != Qt::NoFocus && isEnabled())
        setFocus(Qt::OtherFocusReason);
    QMenu* menu = CreateContextMenu();
    menu->exec(e->globalPos());
    menu->deleteLater();
}

void TBaseEntryField::RestartCaret()
{
    if (!focused_)
        return;
    caretOn_ = true;
    const int blink = platform::ThePlatform().CaretBlinkTime();
    if (blink > 0)
        caretTimer_.start(blink, this);
    update();
}

void TBaseEntryField::timerEvent(QTimerEvent* e)
{
    if (e->timerId() != caretTimer_.timerId()) {
        QWidget::timerEvent(e);
        return;
    }
    caretOn_ = !caretOn_;
    update();
}

QRect TBaseEntryField::TextRect() const
{
    const int frame = borderStyle_ == bsSingle ? 2 : 0;
    return rect().adjusted(frame, frame, -frame - (textMargin_ + 1), -frame);
}

runtime::TColor TBaseEntryField::CurrentBackColor() const
{
    if (!isEnabled())
        return colors_[0];
    return invalid_ ? colors_[2] : color_;
}

void TBaseEntryField::DrawBackground(QPainter& p, const QRect& r) const
{
    p.fillRect(r, runtime::ToQColor(CurrentBackColor()));
    if (borderStyle_ == bsSingle) {
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.rect = r;
        frame.lineWidth = 1;
        frame.midLineWidth = 0;
        frame.state |= QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_FrameLineEdit, &frame, &p, this);
    }
}

void TBaseEntryField::DrawText(QPainter& p, const QRect& textRect) const
{
    const QString text = efDrawnText();
    QColor fore = palette().color(QPalette::Text);
    if (!isEnabled())
        fore = runtime::ToQColor(colors_[1]);
    else if (invalid_)
        fore = runtime::ToQColor(colors_[3]);
    // The palette's text colour may be light (a dark desktop) on a fixed
    // yellow or red background.
    fore = runtime::ReadableTextColor(fore, runtime::ToQColor(CurrentBackColor()));
    p.setFont(font());
    const QFontMetrics fm(font());
    const int width = fm.horizontalAdvance(text);
    const QRect textBox(textRect.right() + 1 - width, textRect.top(), width, textRect.height());
    if (focused_ && isEnabled() && efHasSelection()) {
        const QString visible = text.trimmed();
        const int selWidth = fm.horizontalAdvance(visible);
        const QRect sel(textRect.right() + 1 - selWidth, textRect.top() + 1, selWidth, textRect.height() - 2);
        p.fillRect(sel, runtime::ToQColor(colors_[4]));
        p.setPen(runtime::ReadableTextColor(colors_[5], colors_[4]));
    } else {
        p.setPen(fore);
    }
    p.drawText(textBox, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

void TBaseEntryField::DrawCaret(QPainter& p, const QRect& textRect) const
{
    if (!focused_ || !caretOn_ || !isEnabled())
        return;
    const QFontMetrics fm(font());
    const int h = std::min(textRect.height() - 2, fm.height());
    const int top = textRect.top() + (textRect.height() - h) / 2;
    const TCaretShape shape = insertMode_ ? caretIns_ : caretOvr_;
    const int right = textRect.right() + 1;
    const QColor ink =
        runtime::ReadableTextColor(palette().color(QPalette::Text), runtime::ToQColor(CurrentBackColor()));
    if (shape == csVertLine || shape == csCustom || shape == csBitmap) {
        p.fillRect(QRect(right, top, 2, h), ink);
        return;
    }
    // Block-like carets cover the last character cell, inverted.
    const QString text = efDrawnText();
    const int cell = text.isEmpty() ? fm.horizontalAdvance(u'0') : fm.horizontalAdvance(text.back());
    QRect block(right - cell, top, cell, h);
    if (shape == csHalfBlock)
        block.setTop(top + h / 2);
    else if (shape == csHorzLine)
        block.setTop(top + h - 2);
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.fillRect(block, Qt::white);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TBaseEntryField::paintEvent(QPaintEvent*)
{
    // Drawn off screen and copied in one step, so rebuilding the text on
    // every key never flickers.
    const qreal ratio = devicePixelRatioF();
    QPixmap buffer(size() * ratio);
    buffer.setDevicePixelRatio(ratio);
    {
        QPainter p(&buffer);
        DrawBackground(p, rect());
        const QRect textRect = TextRect();
        p.setClipRect(textRect.adjusted(0, 0, textMargin_ + 1, 0));
        DrawText(p, textRect);
        DrawCaret(p, textRect);
    }
    QPainter screen(this);
    screen.drawPixmap(0, 0, buffer);
}

} // namespace quorvant::controls
