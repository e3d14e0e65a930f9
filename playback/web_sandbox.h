// Puts the pages' web processes into the engine's bubblewrap sandbox where it can start here.
#pragma once

#include <webkit2/webkit2.h>

namespace tavrino {

// Call before the context starts its first web process; where the sandbox cannot start, says so
// once on standard error and leaves it off, so that pages still show.
void EnableSandboxWherePossible(WebKitWebContext* context);

}  // namespace tavrino
