#include "runtime/TScreen.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

#include "platform/UiRuntimeHooks.h"
#include "runtime/TForm.h"

namespace quorvant::runtime {

TScreen::TScreen(QObject* parent) : QObject(parent)
{
    forms_.reserve(8);
    platform::UiRuntimeHooks::SetFormList(&forms_);
}

TScreen::~TScreen()
{
    platform::UiRuntimeHooks::SetFormList(nullptr);
}

TForm* TScreen::Forms(int index) const
{
    if (index < 0 || index >= FormCount())
        return nullptr;
    return static_cast<TForm*>(forms_[static_cast<std::size_t>(index)]);
}

TForm* TScreen::ActiveForm() const
{
    return static_cast<TForm*>(activeForm_.data());
}

void TScreen::AddForm(TForm* form)
{
    forms_.push_back(form);
}

void TScreen::RemoveForm(TForm* form)
{
    std::erase(forms_, static_cast<QWidget*>(form));
    if (activeForm_ == form)
        activeForm_ = nullptr;
}

void TScreen::FormActivated(TForm* form)
{
    // Coming back from another application with the same form is no
    // activation of the form.
    if (activeForm_ == form)
        return;
    activeForm_ = form;
    form->Activated();
}

TScreen& Screen()
{
    static QPointer<TScreen> screen;
    if (!screen)
        screen = new TScreen(qApp);
    return *screen;
}

} // namespace quorvant::runtime
