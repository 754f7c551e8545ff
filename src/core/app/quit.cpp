#include "app/quit.h"

#include "app/book.h"
#include "base/trace.h"
#include "drill/sort_classment.h"
#include "session/navigation.h"

bool ON_QUIT(Trf_book& book, const std::function<Window_geometry()>& geometry) {
  trace("enter ON_QUIT \n");
  if (book.t_posit != nullptr && book.t_err != nullptr) SORT_CLASSMENT(book);

  const int ilesson = book.ilesson;
  if (book.start_lesson > 2 && !OFFER_RECORD_LESSON(ilesson, book)) return false;

  if (book.G_kentel != nullptr)
    WRITE_LAST_STATE(ilesson, book.sens_qr, geometry(), *book.G_kentel, book);
  return true;
}
