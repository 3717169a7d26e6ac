// Fuzz target: any bytes as settings.db. A family it names must be a plain folder name.
#include <cstddef>
#include <cstdint>

#include "store/settings.h"
#include "store/text_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kinvale;
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const std::optional<Settings> settings = ParseSettingsLines(SplitLines(DecodeText(bytes)));
  if (settings && !settings->family.isEmpty() && !IsPlainFolderName(settings->family)) {
    __builtin_trap();
  }
  return 0;
}
