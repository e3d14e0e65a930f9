#include "playback/web_sandbox.h"

#include <cstdio>

namespace tavrino {

namespace {

// The engine's launcher runs this program; with the sandbox on and no working bubblewrap, every
// web process would die at its start.
constexpr const char* kBubblewrap = "/usr/bin/bwrap";

}  // namespace

// The namespaces the engine asks for, tried once with a process that does nothing.
SandboxProbe::SandboxProbe() {
  const char* argv[] = {kBubblewrap, "--ro-bind",     "/",    "/",    "--proc", "/proc", "--dev",
                        "/dev",      "--unshare-all", "true", nullptr};
  process_ = GObjectPtr<GSubprocess>::Adopt(
      g_subprocess_newv(argv,
                        static_cast<GSubprocessFlags>(G_SUBPROCESS_FLAGS_STDOUT_SILENCE |
                                                      G_SUBPROCESS_FLAGS_STDERR_SILENCE),
                        nullptr));
}

bool SandboxProbe::SandboxCanStart() {
  if (!process_) return false;
  return g_subprocess_wait(process_.get(), nullptr, nullptr) &&
         g_subprocess_get_successful(process_.get());
}

void EnableSandboxWherePossible(WebKitWebContext* context, SandboxProbe& probe) {
  const bool usable = probe.SandboxCanStart();
  if (!usable) {
    std::fputs("tavrino: the web sandbox (bubblewrap) cannot start here; pages run without it\n",
               stderr);
  }
  webkit_web_context_set_sandbox_enabled(context, usable);
}

}  // namespace tavrino
