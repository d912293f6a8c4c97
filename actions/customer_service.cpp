#include "actions/customer_service.h"

#include <QDesktopServices>
#include <QUrl>

namespace quillmark {
namespace {

constexpr const char* kCustomerServiceAccount = "800012345";
constexpr const char* kCustomerServiceSite = "https://www.example.com/";

}  // namespace

std::string CustomerServiceUri() {
  return std::string("tencent://message/?uin=") + kCustomerServiceAccount +
         "&Site=" + kCustomerServiceSite + "&Menu=yes";
}

// The desktop's open facility needs no owner window on Linux, so none is looked for.
void ContactCustomerService() {
  QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(CustomerServiceUri())));
}

}  // namespace quillmark
