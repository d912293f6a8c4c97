#pragma once

#include <windows.h>

#include <oleacc.h>

namespace quillmark::win32 {

// The IUnknown of an IAccessible made by this program: it answers for
// IUnknown, IDispatch and IAccessible, counts its references from one, and
// the last Release deletes it.
class CountedAccessible : public IAccessible {
 public:
  CountedAccessible() = default;
  CountedAccessible(const CountedAccessible&) = delete;
  CountedAccessible& operator=(const CountedAccessible&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) final {
    if (iid != IID_IUnknown && iid != IID_IDispatch && iid != __uuidof(IAccessible)) {
      *object = nullptr;
      return E_NOINTERFACE;
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

 private:
  ULONG references_ = 1;
};

}  // namespace quillmark::win32
