#pragma once
// The cases both editors' paint benchmarks run, on a 1600 x 1000 raster image: the whole
// window at a zoom, the view moving one pixel before every repaint, and an invalidated strip or
// box. Each program passes a scene of its own:
//
//   struct Scene {
//       static constexpr int kObjects = ...;          // objects painted per repaint
//       Scene(int zoom, int32_t x, int32_t y);       // the document filled, the view placed
//       void paint(plat::RasterDc& dc);               // maps and paints the whole window
//       void pan(int step);                           // the view `step` pixels to the right
//       void aim(plat::RasterDc& dc, const plat::Rect& pixels);   // the area redraw() repaints
//       void redraw(plat::RasterDc& dc);              // maps and repaints that area
//       std::string label(const plat::Dc& dc);        // what the window showed
//   };

#include "platform/gdi/raster_dc.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace paint_bench {

inline constexpr int kWidth = 1600;
inline constexpr int kHeight = 1000;
inline constexpr plat::Rect kClient{0, 0, kWidth, kHeight};

// The whole window at the zoom of the case's argument, with the view at (x, y).
template <class Scene> void paintWindow(benchmark::State& state, int32_t x, int32_t y)
{
    Scene scene(static_cast<int>(state.range(0)), x, y);
    plat::RasterDc dc(kWidth, kHeight);
    for (auto _ : state) {
        scene.paint(dc);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * Scene::kObjects);
    state.SetLabel(scene.label(dc));
}

// The view moving one pixel to the right before every repaint, so nothing drawn is where it
// was: what a first repaint of a view costs.
template <class Scene> void paintPanning(benchmark::State& state, int32_t x, int32_t y)
{
    Scene scene(static_cast<int>(state.range(0)), x, y);
    plat::RasterDc dc(kWidth, kHeight);
    static int step = 0;   // never back to a position an earlier run painted
    for (auto _ : state) {
        scene.pan(step++);
        scene.paint(dc);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * Scene::kObjects);
    state.SetLabel(scene.label(dc));
}

// An invalidated rectangle of the case's two arguments' size in pixels, centred across the
// window 100 pixels from its top, at the zoom given, after one whole repaint.
template <class Scene> void redrawRect(benchmark::State& state, int zoom, int32_t x, int32_t y)
{
    Scene scene(zoom, x, y);
    plat::RasterDc dc(kWidth, kHeight);
    scene.paint(dc);
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    const int left = (kWidth - w) / 2, top = 100;
    scene.aim(dc, plat::Rect{left, top, left + w, top + h});
    for (auto _ : state) {
        scene.redraw(dc);
        benchmark::ClobberMemory();
    }
    state.SetLabel(std::to_string(w) + " x " + std::to_string(h) + " pixels");
}

// Runs the cases registered; painting texts needs an application object, which the offscreen
// platform gives without a display.
int runPaintBenchmarks(int argc, char** argv);

}  // namespace paint_bench
