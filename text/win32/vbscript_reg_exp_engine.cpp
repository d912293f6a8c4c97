// The engine on Windows: the automation class "VBScript.RegExp", reached by
// member names through IDispatch, with COM initialised for as long as the
// engine lives. VBScript is an optional feature that Windows is phasing out;
// where the class cannot be created the ECMAScript engine stands in.
#include "text/win32/vbscript_reg_exp_engine.h"

#include <windows.h>

#include <oleauto.h>

#include <string>
#include <utility>
#include <vector>

#include "text/ecmascript_reg_exp_engine.h"
#include "text/reg_exp_engine.h"

namespace quillmark {
namespace {

// One reference to an automation object.
class Dispatch {
 public:
  Dispatch() = default;
  explicit Dispatch(IDispatch* object) : object_(object) {}
  Dispatch(const Dispatch&) = delete;
  Dispatch& operator=(const Dispatch&) = delete;
  Dispatch(Dispatch&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  Dispatch& operator=(Dispatch&& other) noexcept {
    std::swap(object_, other.object_);
    return *this;
  }
  ~Dispatch() {
    if (object_ != nullptr) object_->Release();
  }
  [[nodiscard]] IDispatch* get() const { return object_; }

 private:
  IDispatch* object_ = nullptr;
};

// One automation value, cleared when it goes.
class Variant {
 public:
  Variant() { VariantInit(&value_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  Variant(Variant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }
  Variant& operator=(Variant&&) = delete;
  ~Variant() { VariantClear(&value_); }
  static Variant Bool(bool flag) {
    Variant variant;
    variant.value_.vt = VT_BOOL;
    variant.value_.boolVal = flag ? VARIANT_TRUE : VARIANT_FALSE;
    return variant;
  }
  static Variant Long(LONG number) {
    Variant variant;
    variant.value_.vt = VT_I4;
    variant.value_.lVal = number;
    return variant;
  }
  static Variant String(std::u16string_view text) {
    Variant variant;
    variant.value_.vt = VT_BSTR;
    variant.value_.bstrVal = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                                               static_cast<UINT>(text.size()));
    return variant;
  }
  [[nodiscard]] VARIANT* get() { return &value_; }
  [[nodiscard]] LONG AsLong() {
    return VariantChangeType(&value_, &value_, 0, VT_I4) == S_OK ? value_.lVal : 0;
  }
  [[nodiscard]] Dispatch AsDispatch() {
    if (value_.vt != VT_DISPATCH || value_.pdispVal == nullptr) return {};
    value_.pdispVal->AddRef();
    return Dispatch(value_.pdispVal);
  }
  [[nodiscard]] bool IsString() const { return value_.vt == VT_BSTR; }
  [[nodiscard]] std::u16string AsString() const {
    if (value_.vt != VT_BSTR || value_.bstrVal == nullptr) return {};
    return {reinterpret_cast<const char16_t*>(value_.bstrVal), SysStringLen(value_.bstrVal)};
  }

 private:
  VARIANT value_;
};

// Calls a member by name; the arguments are given first to last.
bool Invoke(const Dispatch& object, const wchar_t* name, WORD kind, std::vector<VARIANT*> arguments,
            Variant* result) {
  if (object.get() == nullptr) return false;
  auto* member = const_cast<LPOLESTR>(name);
  DISPID id = 0;
  if (object.get()->GetIDsOfNames(IID_NULL, &member, 1, LOCALE_USER_DEFAULT, &id) != S_OK) {
    return false;
  }
  std::vector<VARIANT> reversed;  // automation takes its arguments last to first
  for (auto at = arguments.rbegin(); at != arguments.rend(); ++at) reversed.push_back(**at);
  DISPPARAMS parameters{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  DISPID namedPut = DISPID_PROPERTYPUT;
  if (kind == DISPATCH_PROPERTYPUT) {
    parameters.rgdispidNamedArgs = &namedPut;
    parameters.cNamedArgs = 1;
  }
  return object.get()->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &parameters,
                              result != nullptr ? result->get() : nullptr, nullptr,
                              nullptr) == S_OK;
}

void Put(const Dispatch& object, const wchar_t* name, Variant value) {
  Invoke(object, name, DISPATCH_PROPERTYPUT, {value.get()}, nullptr);
}

Variant Get(const Dispatch& object, const wchar_t* name, std::vector<VARIANT*> arguments = {}) {
  Variant result;
  Invoke(object, name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, std::move(arguments), &result);
  return result;
}

// COM for the calling thread, for as long as an engine lives.
class ComApartment {
 public:
  ComApartment() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (initialised_) CoUninitialize();
  }

 private:
  bool initialised_;
};

class VbScriptRegExpEngine final : public RegExpEngine {
 public:
  explicit VbScriptRegExpEngine(Dispatch regExp) : regExp_(std::move(regExp)) {}

  [[nodiscard]] std::optional<RegExpMatches> Execute(std::u16string_view subject) const override {
    Put(regExp_, L"IgnoreCase", Variant::Bool(ignoreCase));
    Put(regExp_, L"Multiline", Variant::Bool(multiline));
    Put(regExp_, L"Singleline", Variant::Bool(singleline));  // VBScript has none: ignored
    Put(regExp_, L"Global", Variant::Bool(global));
    Put(regExp_, L"Pattern", Variant::String(pattern));
    Variant text = Variant::String(subject);
    Variant found;
    const bool searched = Invoke(regExp_, L"Execute", DISPATCH_METHOD, {text.get()}, &found);
    const Dispatch matches = found.AsDispatch();
    if (!searched || matches.get() == nullptr) return SearchWithoutVbScript(subject);
    return Collect(matches, subject);
  }

  // The first match's submatch count stands for every match, as the pattern's
  // group count does.
  static std::optional<RegExpMatches> Collect(const Dispatch& matches,
                                              std::u16string_view subject) {
    const LONG count = Get(matches, L"Count").AsLong();
    std::optional<RegExpMatches> collected;
    for (LONG index = 0; index < count; ++index) {
      Variant position = Variant::Long(index);
      const Dispatch match = Get(matches, L"Item", {position.get()}).AsDispatch();
      const TextSpan whole{Get(match, L"FirstIndex").AsLong(), Get(match, L"Length").AsLong()};
      const Dispatch groups = Get(match, L"SubMatches").AsDispatch();
      const LONG groupCount = Get(groups, L"Count").AsLong();
      if (!collected) collected.emplace(static_cast<int>(groupCount));
      collected->Add(whole);
      for (LONG group = 0; group < groupCount; ++group) {
        Variant groupIndex = Variant::Long(group);
        const Variant value = Get(groups, L"Item", {groupIndex.get()});
        collected->Add(GroupSpan(value, whole, subject));
      }
    }
    if (!collected) collected.emplace(0);
    return collected;
  }

 private:
  // VBScript gives a group's text but not where it stands: it is taken to be
  // its first occurrence within the match.
  static TextSpan GroupSpan(const Variant& value, const TextSpan& whole,
                            std::u16string_view subject) {
    if (!value.IsString()) return {};
    const std::u16string text = value.AsString();
    const std::size_t at = whole.In(subject).find(text);
    if (at == std::u16string_view::npos) return {};
    return {whole.start + static_cast<std::int32_t>(at), static_cast<std::int32_t>(text.size())};
  }

  // A pattern that VBScript rejects fails to compile there too, so the
  // stand-in changes nothing but the outcome of a refused search.
  [[nodiscard]] std::optional<RegExpMatches> SearchWithoutVbScript(
      std::u16string_view subject) const {
    const std::shared_ptr<RegExpEngine> standIn = CreateEcmaScriptRegExpEngine();
    standIn->ignoreCase = ignoreCase;
    standIn->multiline = multiline;
    standIn->singleline = singleline;
    standIn->global = global;
    standIn->pattern = pattern;
    return standIn->Execute(subject);
  }

  ComApartment apartment_;
  Dispatch regExp_;
};

}  // namespace

// Nothing where the class is not registered, as on a Windows without VBScript.
static std::shared_ptr<RegExpEngine> CreateVbScriptRegExpEngine() {
  const ComApartment apartment;
  CLSID classId{};
  if (CLSIDFromProgID(L"VBScript.RegExp", &classId) != S_OK) return nullptr;
  IDispatch* object = nullptr;
  if (CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                       reinterpret_cast<void**>(&object)) != S_OK) {
    return nullptr;
  }
  return MakeVbScriptRegExpEngine(object);
}

std::shared_ptr<RegExpEngine> MakeVbScriptRegExpEngine(IDispatch* regExp) {
  return std::make_shared<VbScriptRegExpEngine>(Dispatch(regExp));
}

std::shared_ptr<RegExpEngine> CreatePlatformRegExpEngine() {
  if (std::shared_ptr<RegExpEngine> engine = CreateVbScriptRegExpEngine()) return engine;
  return CreateEcmaScriptRegExpEngine();
}

}  // namespace quillmark
