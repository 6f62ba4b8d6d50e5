// Fills each record's text, file name and caption from its fields, by the
// command line's templates or the source's defaults: the one place where
// records of every source get them.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "generator/cli/RecordFilter.h"
#include "generator/cli/Template.h"

namespace tessel::generator {

// The templates given on the command line (UTF-8); none: the source's.
struct TTemplateTexts {
  std::optional<std::string> Text;
  std::optional<std::string> Name;
  std::vector<std::string> Caption;  // a line each
};

// A name made from data is percent-encoded (SafeFileName) and belongs to
// the first record that carries it, whatever becomes of that record: a
// later record of the same name is skipped. That is decided from the input
// alone, so every shard of a run decides it alike (every record is named,
// whichever shard draws it).
class TTemplatedSource : public TRecordFilter {
 public:
  // Throws TBatchError (ExitUsage) when a template names a field the
  // source does not have, before any record is read.
  TTemplatedSource(TRecordSource& Inner, const TTemplateTexts& Texts);

  bool Next(TRecord& Record) override;

 private:
  TTemplate Parsed(const std::string& text, const char* option) const;
  void MakeText(TRecord& record) const;
  void MakeName(TRecord& record);
  void MakeCaption(TRecord& record) const;

  TTemplate text_;
  std::optional<TTemplate> name_;  // none: record numbers
  std::vector<TTemplate> caption_;
  std::unordered_map<std::string, std::int64_t> named_;  // each name made from data and its first record
};

}  // namespace tessel::generator
