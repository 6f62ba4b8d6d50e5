// Sends a PDF document to a CUPS print queue: standard C++ on libcups. The
// server is libcups's own choice (CUPS_SERVER, client.conf, else the local
// scheduler).
#pragma once

#include <string>

namespace tessel::generator {

// A page's size in millimetres.
struct TPageSize {
  double WidthMM = 0;
  double HeightMM = 0;
};

// What a print job is: where it goes, its name and how it is printed.
struct TPrintJob {
  std::string Queue;  // empty: the default destination
  std::string Title;  // the job's name in the queue
  int Copies = 1;     // at least 1
  TPageSize PageSize;
};

// Submits Pdf (the document's bytes) as one job. Returns "" once the queue
// has accepted the whole document, else why not: CUPS's own reason (an
// unknown queue, one rejecting jobs, no default destination), or ours for a
// job that cannot be asked for (no copies, no page size).
std::string PrintPdf(const std::string& Pdf, const TPrintJob& Job);

}  // namespace tessel::generator
