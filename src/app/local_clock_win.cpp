#include <windows.h>

#include "app/pause.h"

namespace lizhi::app {

LocalTime LocalNow() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

}  // namespace lizhi::app
