#include "output/VectorFile.h"

#include <cairo-pdf.h>
#include <cairo-ps.h>
#include <cairo.h>

#include <cmath>
#include <memory>
#include <string>
#include <string_view>

namespace tessel {
namespace {

constexpr double PointsPerInch = 72.0;

cairo_status_t Append(void* out, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(out)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

struct TSurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct TContextDeleter {
  void operator()(cairo_t* context) const { cairo_destroy(context); }
};

cairo_surface_t* CreateSurface(TVectorFormat format, double width, double height, std::string& out) {
  if (format == TVectorFormat::Pdf) return cairo_pdf_surface_create_for_stream(Append, &out, width, height);
  // An EPS bounding box is in whole points: the page rounds up to them, so
  // that the box takes in the whole symbol.
  cairo_surface_t* surface = cairo_ps_surface_create_for_stream(Append, &out, std::ceil(width), std::ceil(height));
  cairo_ps_surface_set_eps(surface, true);
  return surface;
}

// cairo bounds an EPS file by its ink; the symbol's box is the whole page,
// its margins included even where nothing is drawn (a transparent
// background). The box is given in whole points, as the page is made.
void BoundByPage(std::string& eps, double width, double height) {
  const std::string box = "0 0 " + std::to_string(static_cast<long long>(std::ceil(width))) + " " +
                          std::to_string(static_cast<long long>(std::ceil(height)));
  for (const std::string_view comment : {"%%BoundingBox: ", "%%PageBoundingBox: "}) {
    const std::size_t at = eps.find(comment);
    const std::size_t end = at == std::string::npos ? at : eps.find('\n', at);
    if (end == std::string::npos) continue;
    eps.replace(at + comment.size(), end - at - comment.size(), box);
  }
}

}  // namespace

std::string DrawVectorFile(TVectorFormat Format, int Width, int Height, int Dpi, int LayoutDpi,
                           const std::function<bool(TCairoCanvas&)>& Draw, std::string& Out) {
  Out.clear();
  const double scale = PointsPerInch / Dpi;
  const std::unique_ptr<cairo_surface_t, TSurfaceDeleter> surface(
      CreateSurface(Format, Width * scale, Height * scale, Out));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
    return cairo_status_to_string(cairo_surface_status(surface.get()));
  bool drawn = false;
  {
    const std::unique_ptr<cairo_t, TContextDeleter> context(cairo_create(surface.get()));
    cairo_scale(context.get(), scale, scale);
    TCairoCanvas canvas(context.get(), LayoutDpi);
    drawn = Draw(canvas);
    canvas.End();
    if (cairo_status(context.get()) != CAIRO_STATUS_SUCCESS) return cairo_status_to_string(cairo_status(context.get()));
  }
  cairo_surface_finish(surface.get());
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
    return cairo_status_to_string(cairo_surface_status(surface.get()));
  if (Format == TVectorFormat::Eps) BoundByPage(Out, Width * scale, Height * scale);
  if (!drawn)
    return "could not allocate a bitmap of " + std::to_string(Width) + " x " + std::to_string(Height) + " pixels";
  return {};
}

}  // namespace tessel
