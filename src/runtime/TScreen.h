#pragma once
// The screen object: the live forms in creation order and the active form
// (the form that last became the active window; kept while another
// application is in front).

#include <QObject>
#include <QPointer>
#include <vector>

class QWidget;

namespace quorvant::runtime {

class TForm;

class TScreen : public QObject {
    Q_OBJECT
public:
    explicit TScreen(QObject* parent = nullptr);
    ~TScreen() override;

    int FormCount() const { return static_cast<int>(forms_.size()); }
    TForm* Forms(int index) const;
    // The same list as widgets, the form of the platform glue.
    const std::vector<QWidget*>& FormList() const { return forms_; }
    TForm* ActiveForm() const;

private:
    friend class TForm;
    void AddForm(TForm* form);
    void RemoveForm(TForm* form);
    void FormActivated(TForm* form);

    std::vector<QWidget*> forms_;
    QPointer<QWidget> activeForm_;
};

TScreen& Screen();

} // namespace quorvant::runtime
