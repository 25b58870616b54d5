#include "platform/com/ComStream.h"

#include <algorithm>
#include <cstring>

#include "platform/com/ComObject.h"

const IID IID_IStream = {0x0000000C, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_IPersistStreamInit = {0x7FD52380, 0x4E07, 0x101B, {0xAE, 0x2D, 0x08, 0x00, 0x2B, 0x2E, 0xC7, 0x13}};

namespace {

class MemoryStream : public ComObject<IStream> {
 public:
  explicit MemoryStream(std::vector<BYTE> bytes) : m_bytes(std::move(bytes)) {}

  HRESULT QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown)) return Answer(iid, iid, this, object);
    return Answer(iid, IID_IStream, this, object);
  }
  HRESULT Read(void* data, ULONG bytes, ULONG* read) override {
    if (!data && bytes) return E_POINTER;
    const std::size_t available = m_position < m_bytes.size() ? m_bytes.size() - m_position : 0;
    const std::size_t count = std::min<std::size_t>(bytes, available);
    if (count) std::memcpy(data, m_bytes.data() + m_position, count);
    m_position += count;
    if (read) *read = static_cast<ULONG>(count);
    return S_OK;
  }
  HRESULT Write(const void* data, ULONG bytes, ULONG* written) override {
    if (!data && bytes) return E_POINTER;
    if (m_position + bytes > m_bytes.size()) m_bytes.resize(m_position + bytes);
    if (bytes) std::memcpy(m_bytes.data() + m_position, data, bytes);
    m_position += bytes;
    if (written) *written = bytes;
    return S_OK;
  }
  HRESULT Seek(std::int64_t move, DWORD origin, std::uint64_t* newPosition) override {
    std::int64_t base = 0;
    if (origin == STREAM_SEEK_CUR) base = static_cast<std::int64_t>(m_position);
    else if (origin == STREAM_SEEK_END) base = static_cast<std::int64_t>(m_bytes.size());
    else if (origin != STREAM_SEEK_SET) return STG_E_INVALIDFUNCTION;
    if (base + move < 0) return STG_E_INVALIDFUNCTION;
    m_position = static_cast<std::size_t>(base + move);
    if (newPosition) *newPosition = m_position;
    return S_OK;
  }

 private:
  std::vector<BYTE> m_bytes;
  std::size_t m_position = 0;
};

}  // namespace

HRESULT CreateMemoryStream(const std::vector<BYTE>& initial, IStream** stream) {
  if (!stream) return E_POINTER;
  *stream = new MemoryStream(initial);
  return S_OK;
}

HRESULT ReadWholeStream(IStream* stream, std::vector<BYTE>* bytes) {
  if (!stream || !bytes) return E_POINTER;
  std::uint64_t position = 0, end = 0;
  HRESULT hr = stream->Seek(0, STREAM_SEEK_CUR, &position);
  if (SUCCEEDED(hr)) hr = stream->Seek(0, STREAM_SEEK_END, &end);
  if (SUCCEEDED(hr)) hr = stream->Seek(0, STREAM_SEEK_SET, nullptr);
  if (FAILED(hr)) return hr;
  bytes->resize(static_cast<std::size_t>(end));
  ULONG read = 0;
  hr = stream->Read(bytes->data(), static_cast<ULONG>(end), &read);
  stream->Seek(static_cast<std::int64_t>(position), STREAM_SEEK_SET, nullptr);
  if (FAILED(hr)) return hr;
  return read == end ? S_OK : STG_E_READFAULT;
}
