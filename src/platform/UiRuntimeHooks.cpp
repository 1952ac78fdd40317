#include "platform/UiRuntimeHooks.h"

#include <QVariant>
#include <QWidget>

namespace quorvant::platform {

namespace {
constexpr const char* NonWindowedKey = "quorvantNonWindowed";

struct IdleEntry {
    int id;
    UiRuntimeHooks::IdleHandler handler;
};

const std::vector<QWidget*>* formList = nullptr;
std::vector<IdleEntry> idleHandlers;
int nextIdleId = 1;
int idleDepth = 0; // removal during a run only clears, the run compacts
} // namespace

void UiRuntimeHooks::SetFormList(const std::vector<QWidget*>* forms)
{
    formList = forms;
}

const std::vector<QWidget*>& UiRuntimeHooks::FormList()
{
    static const std::vector<QWidget*> none;
    return formList ? *formList : none;
}

int UiRuntimeHooks::AddIdleHandler(IdleHandler handler)
{
    idleHandlers.push_back({nextIdleId, std::move(handler)});
    return nextIdleId++;
}

void UiRuntimeHooks::RemoveIdleHandler(int id)
{
    for (auto& entry : idleHandlers)
        if (entry.id == id)
            entry.handler = nullptr;
    if (idleDepth == 0)
        std::erase_if(idleHandlers, [](const IdleEntry& e) { return !e.handler; });
}

void UiRuntimeHooks::RunIdleHandlers(bool& done, IdleInvoker invoker)
{
    ++idleDepth;
    // By index: a handler may append; appended ones run in the same pass.
    for (std::size_t i = 0; i < idleHandlers.size(); ++i) {
        if (!idleHandlers[i].handler)
            continue;
        const IdleHandler handler = idleHandlers[i].handler; // survives its own removal
        invoker(handler, done);
    }
    if (--idleDepth == 0)
        std::erase_if(idleHandlers, [](const IdleEntry& e) { return !e.handler; });
}

int UiRuntimeHooks::IdleHandlerCount()
{
    int n = 0;
    for (const auto& entry : idleHandlers)
        n += entry.handler ? 1 : 0;
    return n;
}

void UiRuntimeHooks::SetNonWindowed(QWidget* control)
{
    control->setProperty(NonWindowedKey, true);
}

bool UiRuntimeHooks::IsNonWindowed(const QWidget* control)
{
    return control->property(NonWindowedKey).toBool();
}

} // namespace quorvant::platform
