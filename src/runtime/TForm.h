#pragma once
// Base of the program's windows: a top-level QWidget with the window events
// of the window descriptions, creation parameters, fixed size, border icons,
// centring on first show, modal runs, close actions and deferred release.
//
// A derived form calls DoCreate() at the end of its constructor (FormCreate
// runs then, with the controls built), and is freed with Release() or
// Free() so that FormDestroy runs while the derived object still exists.

#include <QWidget>
#include <cstdint>

namespace quorvant::runtime {

enum class TCloseAction { caNone, caHide, caFree, caMinimize };

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };

// Modal results.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

// Window styles a form may change before its window is made.
inline constexpr std::uint32_t WS_EX_TOOLWINDOW = 0x80;
inline constexpr std::uint32_t WS_EX_APPWINDOW = 0x40000;

struct TCreateParams {
    std::uint32_t ExStyle = 0;
    Qt::WindowFlags WindowFlags;
};

class TForm : public QWidget {
    Q_OBJECT
public:
    explicit TForm(QWidget* parent = nullptr);
    ~TForm() override;

    // Shows the form modal to the application and runs a nested loop until
    // ModalResult is set or the form closes; the form is hidden afterwards.
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result);
    bool IsModal() const { return modal_; }

    // Deferred destruction once control is back in the message loop; a
    // second request is harmless.
    void Release();
    // Immediate destruction with FormDestroy.
    void Free();
    bool Releasing() const { return releasing_; }

    // The close sequence: FormClose decides none / hide / free.
    void Close();

    QWidget* ActiveControl() const;
    void SetActiveControl(QWidget* control);

    void SetFixedFormSize(int width, int height);
    unsigned BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(unsigned icons);
    bool CentreOnFirstShow() const { return centreOnFirstShow_; }
    void SetCentreOnFirstShow(bool centre) { centreOnFirstShow_ = centre; }
    std::uint32_t ExStyle() const { return createParams_.ExStyle; }

    void setVisible(bool visible) override;

signals:
    void OnCreate(QObject* Sender);
    void OnShow(QObject* Sender);
    void OnActivate(QObject* Sender);
    void OnClose(QObject* Sender, TCloseAction& Action);
    void OnDestroy(QObject* Sender);

protected:
    // Window events; each runs inside the guard and then emits its signal.
    virtual void FormCreate(QObject* Sender);
    virtual void FormShow(QObject* Sender);
    virtual void FormActivate(QObject* Sender);
    virtual void FormClose(QObject* Sender, TCloseAction& Action);
    virtual void FormDestroy(QObject* Sender);
    // Fills in the window's creation parameters (after the defaults).
    virtual void CreateParams(TCreateParams& params);

    void DoCreate();
    void DoDestroy();

    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    friend class TScreen;
    void Activated();
    void ApplyCreateParams();
    void ApplyBorderIcons();
    void AttachToOwner();
    void RefuseMaximise();
    void CentreOnScreen();
    bool RunCloseSequence(); // true when the form went away (hidden/freed)

    int modalResult_ = mrNone;
    bool modal_ = false;
    bool releasing_ = false;
    bool destroyed_ = false;
    bool created_ = false;
    bool paramsApplied_ = false;
    bool shownOnce_ = false;
    bool closing_ = false;
    bool centreOnFirstShow_ = true;
    unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TCreateParams createParams_;
};

} // namespace quorvant::runtime
