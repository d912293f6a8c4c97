#include "actions/customer_service.h"

namespace quillmark {
namespace {

constexpr const char* kCustomerServiceAccount = "800012345";
constexpr const char* kCustomerServiceSite = "https://www.example.com/";

}  // namespace

std::string CustomerServiceUri() {
  return std::string("tencent://message/?uin=") + kCustomerServiceAccount +
         "&Site=" + kCustomerServiceSite + "&Menu=yes";
}

void ContactCustomerService(Desktop& desktop) { desktop.OpenUri(CustomerServiceUri()); }

}  // namespace quillmark
