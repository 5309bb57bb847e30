// Natively there is no user locale to ask: the host build formats as Japanese Windows does.
#include "forms/base/DateTime.h"

#include <ctime>

namespace forms {

TFormatSettings ReadUserFormatSettings() {
    return JapaneseFormatSettings();
}

TDateTime Now() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    tm local{};
    localtime_r(&ts.tv_sec, &local);
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           EncodeTime(local.tm_hour, local.tm_min, local.tm_sec,
                      static_cast<int>(ts.tv_nsec / 1000000));
}

} // namespace forms
