// Fuzz target: any bytes as a person record. Reading must not crash, and a record made storable
// must read back exactly as it was written.
#include <cstddef>
#include <cstdint>

#include "store/family_files.h"
#include "store/record_reader.h"
#include "store/record_writer.h"
#include "store/text_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kinvale;
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const QStringList lines = SplitLines(DecodeText(bytes));
  IndexRowFromRecordLines(QStringLiteral("Fuzz_0001.dat"), lines);
  RecordRead read = ParseRecordLines(lines);
  PersonDetails details = read.record.details;
  MakeValuesStorable(&details);
  if (!UnstorableValueProblem(details).isEmpty()) __builtin_trap();
  const QString link = read.record.link.contains(u'\r') || read.record.link.contains(u'\n')
                           ? QStringLiteral("00010000F0000M0000S0000")
                           : read.record.link;
  const QString date = QStringLiteral("2026-01-01");
  const RecordRead again =
      ParseRecordLines(SplitLines(DecodeText(FormatFullRecord(link, date, details))));
  if (again.stopped_before != RecordPart::kEnd) __builtin_trap();
  // Blocks come back as they were up to a final line break; lists lose their empty entries.
  PersonDetails expected = details;
  for (QStringList* list : {&expected.occupations, &expected.elementary, &expected.intermediate,
                            &expected.high, &expected.universities, &expected.employers}) {
    list->removeAll(QString());
  }
  if (expected.gender.isEmpty()) expected.gender = QStringLiteral(" ");
  if (expected.photo_path.isEmpty()) expected.photo_path = QStringLiteral(" ");
  for (QString* block :
       {&expected.burial, &expected.residential_addresses, &expected.business_addresses,
        &expected.homepage, &expected.email_addresses, &expected.notes, &expected.sources}) {
    const QStringList block_lines = BlockLines(*block);
    *block = block_lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
  }
  if (!(again.record.details == expected)) __builtin_trap();
  return 0;
}
