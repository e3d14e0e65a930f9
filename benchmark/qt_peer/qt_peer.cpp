// A bare Qt WebEngine window of the floor's size, the benchmark's peer on another engine.
// Usage: qt_peer ADDRESS. Like the floor, loads each line read from standard input and prints
// "navigate SECONDS" (the monotonic clock) as it starts each load.
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QUrl>
#include <QWebEngineCertificateError>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <cstdio>
#include <string>

namespace {

void Navigate(QWebEngineView& view, const QString& address) {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  std::printf("navigate %ld.%09ld\n", static_cast<long>(now.tv_sec), now.tv_nsec);
  std::fflush(stdout);
  view.load(QUrl(address));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc < 2) return 2;
  QWebEngineView view;
  // Qt's engine reads no system CA bundle, so it cannot know the stand-in service's test CA.
  QObject::connect(view.page(), &QWebEnginePage::certificateError,
                   [](QWebEngineCertificateError error) { error.acceptCertificate(); });
  view.resize(810, 694);
  view.show();
  Navigate(view, QString::fromLocal8Bit(argv[1]));

  std::string pending;
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, [&] {
    char chunk[512];
    const ssize_t count = read(STDIN_FILENO, chunk, sizeof chunk);
    if (count <= 0) {
      input.setEnabled(false);
      return;
    }
    pending.append(chunk, static_cast<std::size_t>(count));
    std::size_t end;
    while ((end = pending.find('\n')) != std::string::npos) {
      const std::string line = pending.substr(0, end);
      pending.erase(0, end + 1);
      if (!line.empty()) Navigate(view, QString::fromStdString(line));
    }
  });
  return application.exec();
}
