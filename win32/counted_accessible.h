#pragma once

#include <windows.h>

#include <oleacc.h>

namespace quillmark::win32 {

// The IUnknown of an IAccessible made by this program: it answers for
// IUnknown, IDispatch and IAccessible, and for what OtherInterface adds,
// counts its references from one, and the last Release deletes it.
class CountedAccessible : public IAccessible {
 public:
  CountedAccessible() = default;
  CountedAccessible(const CountedAccessible&) = delete;
  CountedAccessible& operator=(const CountedAccessible&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) final {
    if (iid != IID_IUnknown && iid != IID_IDispatch && iid != __uuidof(IAccessible)) {
      *object = nullptr;
      return OtherInterface(iid, object);
    }
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() final { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() final {
    const ULONG left = --references_;
    if (left == 0) delete this;  // COM's own lifetime: the last reference ends it
    return left;
  }

 protected:
  virtual ~CountedAccessible() = default;
  // An interface beside IAccessible, such as a tear-off that holds a
  // reference of its own; E_NOINTERFACE unless overridden.
  virtual HRESULT OtherInterface(REFIID /*iid*/, void** /*object*/) { return E_NOINTERFACE; }

 private:
  ULONG references_ = 1;
};

}  // namespace quillmark::win32
