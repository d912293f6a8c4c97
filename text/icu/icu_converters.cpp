#include "text/icu/icu_converters.h"

#include <unicode/ucnv_cb.h>

namespace quillmark {
namespace {

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
                                   const UChar* /*codeUnits*/, int32_t length,
                                   UChar32 /*codePoint*/, UConverterCallbackReason reason,
                                   UErrorCode* error) {
  if (!IsConversionFault(reason)) return;
  *error = U_ZERO_ERROR;
  for (int32_t unit = 0; unit < length && U_SUCCESS(*error); ++unit) {
    ucnv_cbFromUWriteBytes(args, "?", 1, 0, error);
  }
}

}  // namespace

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

}  // namespace quillmark
