#pragma once
// Streams and objects that save their state into one, as a host keeps a control's initial state.
#include <vector>

#include "platform/com/ComTypes.h"

constexpr DWORD STREAM_SEEK_SET = 0;
constexpr DWORD STREAM_SEEK_CUR = 1;
constexpr DWORD STREAM_SEEK_END = 2;
constexpr HRESULT STG_E_INVALIDFUNCTION = static_cast<HRESULT>(0x80030001);
constexpr HRESULT STG_E_READFAULT = static_cast<HRESULT>(0x8003001E);

struct IStream : IUnknown {
  // Reads at most `bytes`; fewer at the end of the stream, with S_OK as Windows streams answer.
  virtual HRESULT Read(void* data, ULONG bytes, ULONG* read) = 0;
  virtual HRESULT Write(const void* data, ULONG bytes, ULONG* written) = 0;
  virtual HRESULT Seek(std::int64_t move, DWORD origin, std::uint64_t* newPosition) = 0;

 protected:
  ~IStream() = default;
};

struct IPersistStreamInit : IUnknown {
  virtual HRESULT GetClassID(CLSID* clsid) = 0;
  virtual HRESULT IsDirty() = 0;
  virtual HRESULT Load(IStream* stream) = 0;
  virtual HRESULT Save(IStream* stream, BOOL clearDirty) = 0;
  virtual HRESULT GetSizeMax(std::uint64_t* size) = 0;
  virtual HRESULT InitNew() = 0;

 protected:
  ~IPersistStreamInit() = default;
};

extern const IID IID_IStream;
extern const IID IID_IPersistStreamInit;

// A stream in memory, starting with the given bytes, positioned at its start.
HRESULT CreateMemoryStream(const std::vector<BYTE>& initial, IStream** stream);
// Everything the stream holds, whatever its position; the position is kept.
HRESULT ReadWholeStream(IStream* stream, std::vector<BYTE>* bytes);
