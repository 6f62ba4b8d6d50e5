// A record source that reads its records from another and changes or
// skips some of them: the base of the templates, the shard and the resume.
#pragma once

#include "generator/cli/RecordSource.h"

namespace tessel::generator {

class TRecordFilter : public TRecordSource {
 public:
  explicit TRecordFilter(TRecordSource& Inner) : inner_(Inner) {}

  std::vector<std::string> FieldNames() const override { return inner_.FieldNames(); }
  std::size_t TextField() const override { return inner_.TextField(); }
  std::optional<std::size_t> NameField() const override { return inner_.NameField(); }
  std::string SkippedNote() const override { return inner_.SkippedNote(); }
  std::optional<double> FractionRead() const override { return inner_.FractionRead(); }

 protected:
  TRecordSource& Inner() { return inner_; }

 private:
  TRecordSource& inner_;
};

}  // namespace tessel::generator
