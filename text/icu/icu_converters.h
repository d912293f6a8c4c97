#pragma once

#include <unicode/ucnv.h>

#include <memory>

// ICU's converters set up the way the program's conversions behave: code page
// 936 is "windows-936-2000" with its best-fit mappings on, and "?" stands in
// for whatever does not convert, one per GBK sequence or per UTF-16 unit.
namespace quillmark {

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter OpenGbkConverter();

}  // namespace quillmark
