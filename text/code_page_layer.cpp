#include "text/code_page_layer.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace quillmark {
namespace {

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

bool IsConversionFault(UConverterCallbackReason reason) {
  return reason == UCNV_UNASSIGNED || reason == UCNV_ILLEGAL || reason == UCNV_IRREGULAR;
}

// The platform writes "?" where GBK bytes do not decode; ICU would write U+FFFD.
void WriteQuestionMarkToUnicode(const void* /*context*/, UConverterToUnicodeArgs* args,
                                const char* /*codeUnits*/, int32_t /*length*/,
                                UConverterCallbackReason reason, UErrorCode* error) {
  if (!IsConversionFault(reason)) return;
  *error = U_ZERO_ERROR;
  const UChar questionMark = u'?';
  ucnv_cbToUWriteUChars(args, &questionMark, 1, 0, error);
}

// One "?" per unmapped UTF-16 unit. ICU's own substitution would silently drop
// default-ignorable characters such as U+200B, which the platform does not.
void WriteQuestionMarksFromUnicode(const void* /*context*/, UConverterFromUnicodeArgs* args,
                                   const UChar* /*codeUnits*/, int32_t length, UChar32 /*point*/,
                                   UConverterCallbackReason reason, UErrorCode* error) {
  if (!IsConversionFault(reason)) return;
  *error = U_ZERO_ERROR;
  for (int32_t unit = 0; unit < length && U_SUCCESS(*error); ++unit) {
    ucnv_cbFromUWriteBytes(args, "?", 1, 0, error);
  }
}

Converter OpenGbkConverter() {
  UErrorCode error = U_ZERO_ERROR;
  Converter converter(ucnv_open("windows-936-2000", &error));
  if (U_FAILURE(error)) return nullptr;
  ucnv_setFallback(converter.get(), true);
  ucnv_setToUCallBack(converter.get(), WriteQuestionMarkToUnicode, nullptr, nullptr, nullptr,
                      &error);
  ucnv_setFromUCallBack(converter.get(), WriteQuestionMarksFromUnicode, nullptr, nullptr, nullptr,
                        &error);
  return U_SUCCESS(error) ? std::move(converter) : nullptr;
}

Converter OpenUtf8Converter() {
  UErrorCode error = U_ZERO_ERROR;
  Converter converter(ucnv_open("UTF-8", &error));
  return U_SUCCESS(error) ? std::move(converter) : nullptr;
}

// Opening a converter costs more than converting a short text, so each thread
// keeps one of each.
UConverter* ConverterFor(unsigned codePage) {
  thread_local Converter gbk = OpenGbkConverter();
  thread_local Converter utf8 = OpenUtf8Converter();
  switch (codePage) {
    case kAnsiCodePage:
    case kGbkCodePage:
      return gbk.get();
    case kUtf8CodePage:
      return utf8.get();
    default:
      return nullptr;
  }
}

int ResultOf(int32_t length, UErrorCode error, bool measuring) {
  if (measuring && error == U_BUFFER_OVERFLOW_ERROR) return length;
  if (U_FAILURE(error)) return 0;
  return length;
}

}  // namespace

int MultiByteToWideChar(unsigned codePage, std::uint32_t /*flags*/, const char* input,
                        int inputLength, char16_t* output, int outputCapacity) {
  UConverter* converter = ConverterFor(codePage);
  if (converter == nullptr || input == nullptr || inputLength == 0 || inputLength < -1) return 0;
  if (outputCapacity < 0 || (outputCapacity > 0 && output == nullptr)) return 0;
  const auto length =
      inputLength == -1 ? static_cast<int32_t>(std::strlen(input) + 1) : inputLength;
  UErrorCode error = U_ZERO_ERROR;
  const int32_t written = ucnv_toUChars(converter, output, outputCapacity, input, length, &error);
  return ResultOf(written, error, outputCapacity == 0);
}

int WideCharToMultiByte(unsigned codePage, std::uint32_t /*flags*/, const char16_t* input,
                        int inputLength, char* output, int outputCapacity) {
  UConverter* converter = ConverterFor(codePage);
  if (converter == nullptr || input == nullptr || inputLength == 0 || inputLength < -1) return 0;
  if (outputCapacity < 0 || (outputCapacity > 0 && output == nullptr)) return 0;
  const int32_t length = inputLength == -1 ? u_strlen(input) + 1 : inputLength;
  UErrorCode error = U_ZERO_ERROR;
  const int32_t written = ucnv_fromUChars(converter, output, outputCapacity, input, length, &error);
  return ResultOf(written, error, outputCapacity == 0);
}

int BoundedStringLength(const char16_t* units, int limit) {
  if (units == nullptr || limit <= 0) return 0;
  const char16_t* end = std::find(units, units + limit, u'\0');
  return static_cast<int>(end - units);
}

}  // namespace quillmark
