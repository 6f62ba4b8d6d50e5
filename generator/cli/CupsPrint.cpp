#include "generator/cli/CupsPrint.h"

#include <cups/cups.h>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace tessel::generator {
namespace {

constexpr std::string_view PdfSignature = "%PDF-";
constexpr double HundredthsPerMM = 100;
// The page sides asked for: from a millimetre to 100 m, which keeps their
// hundredths of a millimetre (CUPS's unit) within an int.
constexpr double MinSideMM = 1;
constexpr double MaxSideMM = 100000;
// The document goes to the server in pieces of this many bytes.
constexpr std::size_t WriteChunk = 65536;

// The job's options, freed on every path out.
class TJobOptions {
 public:
  TJobOptions() = default;
  TJobOptions(const TJobOptions&) = delete;
  TJobOptions& operator=(const TJobOptions&) = delete;
  ~TJobOptions() { cupsFreeOptions(count_, options_); }

  void Add(const char* Name, const std::string& Value) {
    count_ = cupsAddOption(Name, Value.c_str(), count_, &options_);
  }
  int Count() const { return count_; }
  cups_option_t* Options() const { return options_; }

 private:
  int count_ = 0;
  cups_option_t* options_ = nullptr;
};

bool IsPageSide(double mm) { return mm >= MinSideMM && mm <= MaxSideMM; }  // false for NaN too

// Success codes, those with attributes ignored or substituted included.
bool Failed(ipp_status_t Status) { return Status > IPP_STATUS_OK_EVENTS_COMPLETE; }

// The PWG media name of the size: the standard one where the size is one
// (iso_a4_210x297mm, na_letter_8.5x11in, ...), else the custom form
// custom_WxHmm_WxHmm, which CUPS turns into the queue's custom page size.
std::string MediaName(const TPageSize& Size) {
  const pwg_media_t* media = pwgMediaForSize(static_cast<int>(std::lround(Size.WidthMM * HundredthsPerMM)),
                                             static_cast<int>(std::lround(Size.HeightMM * HundredthsPerMM)));
  return media ? media->pwg : std::string();
}

// The destination's name, asked of the server first so that an unknown one
// fails with CUPS's reason ("The printer or class does not exist.", "No
// default destination."); empty with Error set then. An empty Queue asks
// for the default destination.
std::string FindQueue(const std::string& Queue, std::string& Error) {
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, Queue.empty() ? nullptr : Queue.c_str(), nullptr);
  if (!dest) {
    Error = cupsLastErrorString();
    return {};
  }
  std::string name = dest->name;
  cupsFreeDests(1, dest);
  return name;
}

// CUPS's reason for a failed request: its last IPP error, or the HTTP
// status when the failure came before any IPP answer.
std::string Reason(http_status_t Status) {
  return Failed(cupsLastError()) ? cupsLastErrorString() : httpStatus(Status);
}

// Cancels a job whose document did not arrive whole, so that no incomplete
// job waits in the queue; returns Why, the failure's reason.
std::string Abandon(const std::string& Queue, int JobId, std::string Why) {
  cupsCancelJob2(CUPS_HTTP_DEFAULT, Queue.c_str(), JobId, 0);
  return Why;
}

// Streams the document into the created job; "" when the server took it all.
std::string SendDocument(const std::string& Pdf, const std::string& Queue, int JobId, const std::string& Title) {
  http_status_t status = cupsStartDocument(CUPS_HTTP_DEFAULT, Queue.c_str(), JobId, Title.c_str(), CUPS_FORMAT_PDF, 1);
  for (std::size_t sent = 0; status == HTTP_STATUS_CONTINUE && sent < Pdf.size(); sent += WriteChunk)
    status = cupsWriteRequestData(CUPS_HTTP_DEFAULT, Pdf.data() + sent, std::min(WriteChunk, Pdf.size() - sent));
  if (status != HTTP_STATUS_CONTINUE) return Abandon(Queue, JobId, Reason(status));
  if (Failed(cupsFinishDocument(CUPS_HTTP_DEFAULT, Queue.c_str()))) return Abandon(Queue, JobId, cupsLastErrorString());
  return {};
}

}  // namespace

std::string PrintPdf(const std::string& Pdf, const TPrintJob& Job) {
  if (!Pdf.starts_with(PdfSignature)) return "The document to print is not a PDF.";
  if (Job.Copies < 1) return "The number of copies must be at least 1.";
  if (!IsPageSide(Job.PageSize.WidthMM) || !IsPageSide(Job.PageSize.HeightMM))
    return "The page size must be from " + std::to_string(static_cast<int>(MinSideMM)) + " to " +
           std::to_string(static_cast<int>(MaxSideMM)) + " mm each way.";
  std::string error;
  const std::string queue = FindQueue(Job.Queue, error);
  if (queue.empty()) return error;

  TJobOptions options;
  options.Add("copies", std::to_string(Job.Copies));
  options.Add("media", MediaName(Job.PageSize));
  const int jobId =
      cupsCreateJob(CUPS_HTTP_DEFAULT, queue.c_str(), Job.Title.c_str(), options.Count(), options.Options());
  if (jobId == 0) return cupsLastErrorString();
  return SendDocument(Pdf, queue, jobId, Job.Title);
}

}  // namespace tessel::generator
