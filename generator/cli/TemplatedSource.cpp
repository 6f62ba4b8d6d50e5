#include "generator/cli/TemplatedSource.h"

#include "generator/cli/Cli.h"
#include "generator/cli/FileNames.h"
#include "generator/cli/TextCodec.h"

namespace tessel::generator {
namespace {

// A template's text as the library's one byte a character; false when it
// holds a character beyond Latin-1.
bool ExpandLatin1(const TTemplate& form, const TRecord& record, std::string& latin1, std::string& problem) {
  std::string utf8;
  problem = form.Expand(record.Fields, record.Number, utf8);
  if (!problem.empty()) return false;
  std::string outside;
  latin1 = Utf8ToLatin1(utf8, outside);
  return outside.empty();
}

}  // namespace

TTemplatedSource::TTemplatedSource(TRecordSource& Inner, const TTemplateTexts& Texts) : TRecordFilter(Inner) {
  const std::vector<std::string> names = FieldNames();
  text_ = Texts.Text ? Parsed(*Texts.Text, "--text") : TTemplate::OfField(TextField(), names.at(TextField()));
  if (Texts.Name)
    name_ = Parsed(*Texts.Name, "--name");
  else if (const std::optional<std::size_t> field = NameField())
    name_ = TTemplate::OfField(*field, names.at(*field));
  caption_.reserve(Texts.Caption.size());
  for (const std::string& line : Texts.Caption) caption_.push_back(Parsed(line, "--caption"));
}

TTemplate TTemplatedSource::Parsed(const std::string& text, const char* option) const {
  TTemplate parsed;
  if (const std::string problem = ParseTemplate(text, FieldNames(), parsed); !problem.empty())
    throw TBatchError{ExitUsage, std::string(option) + " '" + text + "': " + problem};
  return parsed;
}

bool TTemplatedSource::Next(TRecord& Record) {
  if (!Inner().Next(Record)) return false;
  MakeText(Record);
  MakeName(Record);
  MakeCaption(Record);
  return true;
}

void TTemplatedSource::MakeText(TRecord& record) const {
  if (!record.Problem.empty()) return;
  std::string problem;
  if (!ExpandLatin1(text_, record, record.Text, problem))
    record.Problem = problem.empty() ? "the text has a character outside Latin-1" : problem;
}

void TTemplatedSource::MakeName(TRecord& record) {
  if (!name_) {
    record.BaseName = NumberedName(record.Number);
    return;
  }
  std::string bytes;
  std::string problem = name_->Expand(record.Fields, record.Number, bytes);
  if (problem.empty() && bytes.empty()) problem = "the file name is empty";
  std::string name = SafeFileName(bytes);
  if (problem.empty() && name.size() > MaxBaseNameLength) problem = "the file name is too long";
  if (problem.empty()) {
    const auto [first, added] = named_.emplace(name, record.Number);
    if (added)
      record.BaseName = std::move(name);
    else
      problem = "the file name '" + name + "' belongs to record " + std::to_string(first->second);
  }
  if (record.Problem.empty()) record.Problem = problem;
}

void TTemplatedSource::MakeCaption(TRecord& record) const {
  record.Caption.reserve(caption_.size());
  for (const TTemplate& line : caption_) {
    std::string problem;
    if (!ExpandLatin1(line, record, record.Caption.emplace_back(), problem) && record.Problem.empty())
      record.Problem = problem.empty() ? "the caption has a character outside Latin-1" : problem;
  }
}

}  // namespace tessel::generator
