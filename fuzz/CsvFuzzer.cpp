// The CSV reader and the template parser, the two readers of a batch's
// outside text: any input reads without a crash within the reader's bound,
// every record it gives back written out as CSV reads back the same, and
// a template that parses expands for any record.
//
// Input: a byte choosing the reader, then the CSV bytes, or a template, a
// TAB and the record's fields separated by commas (each named "f").
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "generator/cli/CsvReader.h"
#include "generator/cli/Template.h"

using namespace tessel;

namespace {

// A small bound, so that records longer than it are found too.
constexpr std::size_t FuzzRecordLength = 256;

struct TCloseFile {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

std::vector<std::vector<std::string>> ReadAll(const std::string& bytes) {
  std::vector<std::vector<std::string>> records;
  if (bytes.empty()) return records;
  std::string copy = bytes;
  const std::unique_ptr<std::FILE, TCloseFile> file(fmemopen(copy.data(), copy.size(), "rb"));
  if (!file) std::abort();
  generator::TCsvReader reader(file.get(), FuzzRecordLength);
  std::vector<std::string> fields;
  for (;;) {
    const generator::TCsvReader::TStatus status = reader.Next(fields);
    if (status == generator::TCsvReader::TStatus::End) return records;
    if (status == generator::TCsvReader::TStatus::Error) std::abort();
    if (status == generator::TCsvReader::TStatus::Malformed) {
      if (reader.Problem().empty() || !fields.empty()) std::abort();
      continue;
    }
    std::size_t length = 0;
    for (const std::string& field : fields) length += field.size() + 1;
    if (fields.empty() || length > FuzzRecordLength + 1) std::abort();
    records.push_back(fields);
  }
}

// Records written with every field quoted.
std::string Written(const std::vector<std::vector<std::string>>& records) {
  std::string text;
  for (const std::vector<std::string>& record : records) {
    for (std::size_t i = 0; i < record.size(); ++i) {
      text += i > 0 ? ",\"" : "\"";
      for (char c : record[i]) text += c == '"' ? std::string("\"\"") : std::string(1, c);
      text += '"';
    }
    text += "\r\n";
  }
  return text;
}

void CheckCsv(std::string_view bytes) {
  const std::vector<std::vector<std::string>> records = ReadAll(std::string(bytes));
  // Quoted, each record reads back as it was (quoting keeps even an empty
  // line's one field, and the bound is not reached by quotes).
  std::vector<std::vector<std::string>> kept;
  for (const auto& record : records)
    if (Written({record}).size() <= FuzzRecordLength) kept.push_back(record);
  if (ReadAll(Written(kept)) != kept) std::abort();
}

// Text with its braces doubled: a template of that text alone.
std::string Escaped(std::string_view text) {
  std::string escaped;
  for (char c : text) escaped += c == '{' || c == '}' ? std::string(2, c) : std::string(1, c);
  return escaped;
}

void CheckTemplate(std::string_view rest) {
  const std::size_t tab = rest.find('\t');
  const std::string_view text = rest.substr(0, tab);
  std::vector<std::string> fields;
  if (tab != std::string_view::npos) {
    const std::string_view values = rest.substr(tab + 1);
    fields = fuzz::TFuzzInput(reinterpret_cast<const std::uint8_t*>(values.data()), values.size()).Fields(',');
  }
  const std::vector<std::string> names(fields.size(), "f");
  generator::TTemplate parsed;
  if (generator::ParseTemplate(text, names, parsed).empty()) {
    // With every field there, only padding a value that is no number fails.
    std::string out;
    const std::string problem = parsed.Expand(fields, 1, out);
    if (!problem.empty() && problem.find("pads numbers") == std::string::npos) std::abort();
  }
  generator::TTemplate literal;
  std::string out;
  if (!generator::ParseTemplate(Escaped(text), names, literal).empty() || !literal.Expand(fields, 1, out).empty() ||
      out != text)
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::TFuzzInput input(data, size);
  if (input.Byte() % 2 == 0)
    CheckCsv(input.Rest());
  else
    CheckTemplate(input.Rest());
  return 0;
}
