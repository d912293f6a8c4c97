#include "qt/comment_editor_view.h"
#include "tests/editor/scintilla_host.h"

namespace quillmark::testing {
namespace {

// The Qt edition's Scintilla: the comment editor's own view.
class QtScintillaHost final : public ScintillaHost {
 public:
  QtScintillaHost() { view_.resize(656, 208); }
  [[nodiscard]] ScintillaDirect Direct() override { return view_.Direct(); }

 private:
  CommentEditorView view_;
};

}  // namespace

std::unique_ptr<ScintillaHost> MakeScintillaHost() { return std::make_unique<QtScintillaHost>(); }

}  // namespace quillmark::testing
