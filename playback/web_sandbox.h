// Puts the pages' web processes into the engine's bubblewrap sandbox where it can start here.
#pragma once

#include <gio/gio.h>
#include <webkit2/webkit2.h>

#include "app/gobject_ptr.h"

namespace tavrino {

// Asks a bubblewrap process whether the sandbox can start here. It runs while the engine
// initialises, which takes far longer, so start-up rarely waits for the answer.
class SandboxProbe {
 public:
  SandboxProbe();
  SandboxProbe(const SandboxProbe&) = delete;
  SandboxProbe& operator=(const SandboxProbe&) = delete;

  // Waits for the answer if it has not come yet.
  bool SandboxCanStart();

 private:
  GObjectPtr<GSubprocess> process_;
};

// Call before the context starts its first web process; where the sandbox cannot start, says so
// once on standard error and leaves it off, so that pages still show.
void EnableSandboxWherePossible(WebKitWebContext* context, SandboxProbe& probe);

}  // namespace tavrino
