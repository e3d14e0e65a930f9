#include "playback/web_sandbox.h"

#include <cstdio>

namespace tavrino {

namespace {

// The engine's launcher runs this program; with the sandbox on and no working bubblewrap, every
// web process would die at its start.
constexpr const char* kBubblewrap = "/usr/bin/bwrap";

// The namespaces the engine asks for, tried once with a process that does nothing.
bool SandboxCanStart() {
  const char* argv[] = {kBubblewrap, "--ro-bind",     "/",    "/",    "--proc", "/proc", "--dev",
                        "/dev",      "--unshare-all", "true", nullptr};
  int wait_status = 0;
  GError* error = nullptr;
  const bool spawned = g_spawn_sync(
      nullptr, const_cast<char**>(argv), nullptr,
      static_cast<GSpawnFlags>(G_SPAWN_STDOUT_TO_DEV_NULL | G_SPAWN_STDERR_TO_DEV_NULL), nullptr,
      nullptr, nullptr, nullptr, &wait_status, &error);
  g_clear_error(&error);
  return spawned && g_spawn_check_wait_status(wait_status, nullptr);
}

}  // namespace

void EnableSandboxWherePossible(WebKitWebContext* context) {
  const bool usable = SandboxCanStart();
  if (!usable) {
    std::fputs("tavrino: the web sandbox (bubblewrap) cannot start here; pages run without it\n",
               stderr);
  }
  webkit_web_context_set_sandbox_enabled(context, usable);
}

}  // namespace tavrino
