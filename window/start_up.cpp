#include "window/start_up.h"

namespace quillmark {

std::string FatalErrorText(std::string_view error) { return "运行时出错!\n" + std::string(error); }

int ProgramStart() { return 0; }

void ForEachEventHandler(const WindowDescription& description, Operations& operations,
                         const EventWiring& wire) {
  for (const ElementRecord& record : description) {
    for (const EventBinding& binding : record.events) {
      if (std::function<void()> handler = operations.HandlerFor(binding.operation, record)) {
        wire(record, binding.event, std::move(handler));
      }
    }
  }
}

}  // namespace quillmark
