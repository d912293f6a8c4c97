#pragma once

#include <string>

#include "actions/desktop.h"

namespace quillmark {

// The chat link of customer service: the account number and the web address
// of the party that offers the service, as plain text without escapes.
std::string CustomerServiceUri();

// Hands the chat link to whatever the desktop runs for tencent: links.
// Nothing comes back and nothing is shown, whatever happens.
void ContactCustomerService(Desktop& desktop);

}  // namespace quillmark
