#pragma once

#include <QString>

namespace quillmark {

inline constexpr int kFatalExitCode = -1;

// The one message box of the program: a start-up error that ends it.
QString FatalErrorText(const QString& error);
void ShowFatalError(const QString& error);

}  // namespace quillmark
