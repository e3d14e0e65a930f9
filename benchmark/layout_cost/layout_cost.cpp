// Builds the real main window on the display and times ArrangeControls, counting the heap
// allocations each run makes. Prints "run_ns MEDIAN" and "allocations_per_run MAX".
#include <gtk/gtk.h>
#include <gtkmm/main.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/arrange_controls.h"
#include "app/event_gate.h"
#include "app/load_window.h"
#include "app/window_template.h"

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* block, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
}

namespace {

// Interposed allocators can reach no object, so the count lives at namespace scope; per
// thread, because WebKit's and GLib's own threads allocate meanwhile.
thread_local long allocations = 0;

constexpr int kWarmUpRuns = 50;
constexpr int kRuns = 2000;

void Settle() {
  while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
}

}  // namespace

extern "C" {
void* malloc(size_t size) {
  ++allocations;
  return __libc_malloc(size);
}
void* calloc(size_t count, size_t size) {
  ++allocations;
  return __libc_calloc(count, size);
}
void* realloc(void* block, size_t size) {
  ++allocations;
  return __libc_realloc(block, size);
}
void* memalign(size_t alignment, size_t size) {
  ++allocations;
  return __libc_memalign(alignment, size);
}
void* aligned_alloc(size_t alignment, size_t size) {
  ++allocations;
  return __libc_memalign(alignment, size);
}
int posix_memalign(void** block, size_t alignment, size_t size) {
  ++allocations;
  *block = __libc_memalign(alignment, size);
  return *block ? 0 : ENOMEM;
}
}

int main() {
  gdk_set_allowed_backends("x11");
  gtk_init(nullptr, nullptr);
  Gtk::Main::init_gtkmm_internals();
  tavrino::EventGate gate;
  const tavrino::BrowserEngine engine;
  const tavrino::PlayerViewFactory make_view = [&] { return tavrino::BrowserView::Create(engine); };
  std::unique_ptr<tavrino::MainWindow> window =
      tavrino::LoadWindow(tavrino::MainWindowTemplate(), make_view, gate);
  if (!window) return 1;
  const auto settle_until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (std::chrono::steady_clock::now() < settle_until) {
    Settle();
    g_usleep(10000);
  }

  std::vector<long> nanoseconds;
  std::vector<long> counts;
  for (int i = 0; i < kWarmUpRuns + kRuns; ++i) {
    // A size change reaches ArrangeControls after GTK has queued the window's new allocation.
    gtk_widget_queue_allocate(GTK_WIDGET(window->gobj()));
    const long before = allocations;
    const auto start = std::chrono::steady_clock::now();
    tavrino::ArrangeControls(*window);
    const auto end = std::chrono::steady_clock::now();
    const long made = allocations - before;
    // GTK's layout phase between runs, as between two sizes of a dragged frame.
    Settle();
    if (i < kWarmUpRuns) continue;
    nanoseconds.push_back(
        std::chrono::duration_cast<std::chrono::nanoseconds>(end - start).count());
    counts.push_back(made);
  }
  std::ranges::sort(nanoseconds);
  std::printf("run_ns %ld\n", nanoseconds[nanoseconds.size() / 2]);
  std::printf("allocations_per_run %ld\n", std::ranges::max(counts));
  std::printf("allocations_median %ld\n", [&] {
    std::ranges::sort(counts);
    return counts[counts.size() / 2];
  }());
  return 0;
}
