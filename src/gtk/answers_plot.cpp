// The plot of answers per day in the lesson text view: a drawing area held
// by a child anchor, as the text buttons are, drawn with cairo.
#include <cairo.h>

#include <algorithm>
#include <cstdio>

#include "main_window.h"
#include "test_geometry.h"

namespace {

constexpr int kWidth = 460;
constexpr int kHeight = 200;
constexpr double kMargin = 30;

void free_days(gpointer days) {
  delete static_cast<std::vector<Day_answers>*>(days);
}

void draw_text(cairo_t* cr, double x, double y, const char* text) {
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text);
}

void draw_bars(cairo_t* cr, const std::vector<Day_answers>& days, double width, double height) {
  int most = 1;
  for (const Day_answers& day : days) most = std::max(most, day.right + day.wrong);
  const double plot_height = height - 2 * kMargin;
  const double bar =
      (width - 2 * kMargin) / static_cast<double>(std::max<std::size_t>(days.size(), 1));
  const double foot = height - kMargin;
  for (std::size_t i = 0; i < days.size(); ++i) {
    const double x = kMargin + bar * static_cast<double>(i);
    const double right = plot_height * days[i].right / most;
    const double wrong = plot_height * days[i].wrong / most;
    cairo_set_source_rgb(cr, 0.2, 0.6, 0.2);
    cairo_rectangle(cr, x, foot - right, std::max(bar - 1, 1.0), right);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.8, 0.2, 0.2);
    cairo_rectangle(cr, x, foot - right - wrong, std::max(bar - 1, 1.0), wrong);
    cairo_fill(cr);
  }
  if (most == 1 && std::none_of(days.begin(), days.end(),
                                [](const Day_answers& day) { return day.right + day.wrong > 0; })) {
    cairo_set_source_rgb(cr, 0.4, 0.4, 0.4);
    draw_text(cr, width / 2 - 60, height / 2, "no answers in these days");
  }
  char label[32];
  std::snprintf(label, sizeof label, "%d", most);
  cairo_set_source_rgb(cr, 0, 0, 0);
  draw_text(cr, 2, kMargin + 4, label);
  draw_text(cr, 2, foot + 4, "0");
}

void draw_frame(cairo_t* cr, std::size_t n_days, double width, double height) {
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_line_width(cr, 1);
  cairo_move_to(cr, kMargin - 0.5, kMargin);
  cairo_line_to(cr, kMargin - 0.5, height - kMargin + 0.5);
  cairo_line_to(cr, width - kMargin, height - kMargin + 0.5);
  cairo_stroke(cr);
  cairo_set_font_size(cr, 11);
  char label[48];
  std::snprintf(label, sizeof label, "answers per day, last %zu days", n_days);
  draw_text(cr, kMargin, 14, label);
  draw_text(cr, kMargin, height - 10, "oldest");
  draw_text(cr, width - kMargin - 30, height - 10, "today");
  cairo_set_source_rgb(cr, 0.2, 0.6, 0.2);
  draw_text(cr, width - 150, 14, "right");
  cairo_set_source_rgb(cr, 0.8, 0.2, 0.2);
  draw_text(cr, width - 100, 14, "wrong");
}

gboolean on_plot_expose(GtkWidget* area, GdkEventExpose*, gpointer data) {
  const auto& days = *static_cast<const std::vector<Day_answers>*>(data);
  GtkAllocation size;
  gtk_widget_get_allocation(area, &size);
  cairo_t* cr = gdk_cairo_create(gtk_widget_get_window(area));
  draw_frame(cr, days.size(), size.width, size.height);
  draw_bars(cr, days, size.width, size.height);
  cairo_destroy(cr);
  return TRUE;
}

}  // namespace

void Main_window::add_text_plot(const std::vector<Day_answers>& days) {
  GtkTextBuffer* buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(text_view));
  GtkTextIter end;
  gtk_text_buffer_get_end_iter(buffer, &end);
  GtkTextChildAnchor* anchor = gtk_text_buffer_create_child_anchor(buffer, &end);

  GtkWidget* area = gtk_drawing_area_new();
  gtk_widget_set_size_request(area, kWidth, kHeight);
  auto* kept = new std::vector<Day_answers>(days);
  g_object_set_data_full(G_OBJECT(area), "days", kept, free_days);
  g_signal_connect(G_OBJECT(area), "expose-event", G_CALLBACK(on_plot_expose), kept);
  gtk_text_view_add_child_at_anchor(GTK_TEXT_VIEW(text_view), area, anchor);
  gtk_widget_show(area);
  schedule_geometry_dump(*this);
}
