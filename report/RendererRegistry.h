// The process-wide list of renderers that can write a file format: a renderer joins it when it
// is given a display name and leaves it when it is destroyed. The Output Options dialog offers
// the active ones, in the order they were registered.
#pragma once

#include <string>
#include <vector>

class TReportRender;

struct TRegisteredRenderer {
    std::string DisplayName;
    TReportRender* Render = nullptr;
};

// Every registered renderer, in registration order (active or not).
std::vector<TRegisteredRenderer> RegisteredRenderers();
// Only the active ones: the list the dialog offers.
std::vector<TRegisteredRenderer> ActiveRenderers();

// Adds Render under its current display name, or updates its name when it is listed already;
// an empty name takes it off the list.
void RegisterRenderer(TReportRender& Render);
void UnregisterRenderer(TReportRender& Render);
