#include "platform/com/EnumVariant.h"

#include <memory>

#include "platform/com/ComObject.h"

namespace {

class VariantEnumerator : public ComObject<IEnumVARIANT> {
 public:
  VariantEnumerator(std::shared_ptr<const std::vector<CComVariant>> items, std::size_t position)
      : m_items(std::move(items)), m_position(position) {}

  HRESULT QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown)) return Answer(iid, iid, this, object);
    return Answer(iid, IID_IEnumVARIANT, this, object);
  }

  HRESULT Next(ULONG count, VARIANT* items, ULONG* fetched) override {
    if (!items || (!fetched && count > 1)) return E_POINTER;
    ULONG done = 0;
    while (done < count && m_position < m_items->size()) {
      VariantInit(&items[done]);
      const HRESULT hr = VariantCopy(&items[done], &(*m_items)[m_position]);
      if (FAILED(hr)) {
        for (ULONG i = 0; i < done; ++i) VariantClear(&items[i]);
        return hr;
      }
      ++done;
      ++m_position;
    }
    if (fetched) *fetched = done;
    return done == count ? S_OK : S_FALSE;
  }

  HRESULT Skip(ULONG count) override {
    const std::size_t left = m_items->size() - m_position;
    const std::size_t step = count < left ? count : left;
    m_position += step;
    return step == count ? S_OK : S_FALSE;
  }

  HRESULT Reset() override {
    m_position = 0;
    return S_OK;
  }

  HRESULT Clone(IEnumVARIANT** copy) override {
    if (!copy) return E_POINTER;
    *copy = new VariantEnumerator(m_items, m_position);
    return S_OK;
  }

 private:
  std::shared_ptr<const std::vector<CComVariant>> m_items;
  std::size_t m_position;
};

}  // namespace

HRESULT CreateEnumVARIANT(const VARIANT* items, ULONG count, IEnumVARIANT** enumerator) {
  if (!enumerator || (!items && count)) return E_POINTER;
  auto copies = std::make_shared<std::vector<CComVariant>>();
  copies->reserve(count);
  for (ULONG i = 0; i < count; ++i) copies->emplace_back(items[i]);
  *enumerator = new VariantEnumerator(std::move(copies), 0);
  return S_OK;
}
