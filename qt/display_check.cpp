#include "qt/display_check.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string_view>

namespace quillmark {
namespace {

std::string_view Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// Connects to a local socket by path; a leading '@' names an abstract one.
bool Answers(std::string_view path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.data(), path.size());
  if (path.front() == '@') address.sun_path[0] = '\0';
  const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (socket < 0) return false;
  const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size());
  const bool connected =
      ::connect(socket, reinterpret_cast<const sockaddr*>(&address), length) == 0;
  ::close(socket);
  return connected;
}

bool WaylandAnswers() {
  const std::string_view name = Variable("WAYLAND_DISPLAY");
  if (name.empty()) return false;
  if (name.front() == '/') return Answers(name);
  const std::string_view runtime = Variable("XDG_RUNTIME_DIR");
  return !runtime.empty() && Answers(std::string(runtime) + "/" + std::string(name));
}

// A local X display (":0", "unix:0.0") by its socket; one over the network
// (ssh -X gives "localhost:10.0") is taken on trust, for Qt to try.
bool XAnswers() {
  std::string_view display = Variable("DISPLAY");
  if (display.empty()) return false;
  if (display.starts_with("unix:")) display.remove_prefix(4);
  if (display.front() != ':') return true;
  const std::string_view number = display.substr(1, display.find('.') - 1);
  const std::string socket = "/tmp/.X11-unix/X" + std::string(number);
  return Answers("@" + socket) || Answers(socket);
}

}  // namespace

std::optional<std::string> MissingDisplay() {
  if (!Variable("QT_QPA_PLATFORM").empty() || WaylandAnswers() || XAnswers()) return std::nullopt;
  return "quillmark: no display to show its window on (neither DISPLAY nor WAYLAND_DISPLAY "
         "leads to one); start it from a desktop session, or over SSH with ssh -X";
}

}  // namespace quillmark
