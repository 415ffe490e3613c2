#include "report/RendererRegistry.h"

#include "report/ReportRender.h"

#include <algorithm>

namespace {

std::vector<TRegisteredRenderer>& Registry() {
    static std::vector<TRegisteredRenderer> list;
    return list;
}

void RegistryHook(TReportRender& Render, bool Destroyed) {
    if (Destroyed)
        UnregisterRenderer(Render);
    else
        RegisterRenderer(Render);
}

// Renderers announce themselves through this hook; installed before main() runs, so the
// components a window creates are listed from the start.
const bool HookInstalled = (TReportRender::SetRegistryHook(&RegistryHook), true);

} // namespace

std::vector<TRegisteredRenderer> RegisteredRenderers() {
    return Registry();
}

std::vector<TRegisteredRenderer> ActiveRenderers() {
    std::vector<TRegisteredRenderer> active;
    for (const TRegisteredRenderer& entry : Registry())
        if (entry.Render->Active()) active.push_back(entry);
    return active;
}

void RegisterRenderer(TReportRender& Render) {
    if (Render.DisplayName().empty()) {
        UnregisterRenderer(Render);
        return;
    }
    auto& list = Registry();
    auto it = std::find_if(list.begin(), list.end(),
                           [&](const TRegisteredRenderer& e) { return e.Render == &Render; });
    if (it != list.end())
        it->DisplayName = Render.DisplayName();
    else
        list.push_back({Render.DisplayName(), &Render});
}

void UnregisterRenderer(TReportRender& Render) {
    auto& list = Registry();
    std::erase_if(list, [&](const TRegisteredRenderer& e) { return e.Render == &Render; });
}
