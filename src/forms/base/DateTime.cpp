#include "forms/base/DateTime.h"

#include "forms/base/StrUtils.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace forms {

namespace {
constexpr int64_t kMsPerDay = 86400000;
// Days from 1970-01-01 to 1899-12-30.
constexpr int64_t kEpochOffset = 25569;
// 0001-01-01 and 10000-01-01 as TDateTime.
constexpr double kFirstDay = -693593.0;
constexpr double kEndDay = 2958466.0;

// Days since 1970-01-01 of a proleptic Gregorian date.
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

TDateParts CivilFromDays(int64_t z) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const int64_t m = mp + (mp < 10 ? 3 : -9);
    return {static_cast<int>(yoe + era * 400 + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

// The day number (0 = 1899-12-30) and the millisecond of that day. A negative value keeps its
// time of day forward from the start of its day, as -1.25 is 1899-12-29 06:00.
struct Stamp {
    int64_t day;
    int64_t ms;
};
Stamp ToStamp(TDateTime dt) {
    if (!std::isfinite(dt) || dt < kFirstDay || dt >= kEndDay)
        dt = 0;
    const double whole = std::trunc(dt);
    Stamp s{static_cast<int64_t>(whole), std::llround(std::fabs(dt - whole) * kMsPerDay)};
    if (s.ms >= kMsPerDay) {
        s.ms -= kMsPerDay;
        ++s.day;
    }
    return s;
}
} // namespace

TDateTime EncodeDate(int year, int month, int day) {
    return static_cast<double>(DaysFromCivil(year, month, day) + kEpochOffset);
}

TDateTime EncodeTime(int hour, int minute, int second, int milliSecond) {
    const int64_t ms = ((hour * 60LL + minute) * 60 + second) * 1000 + milliSecond;
    return static_cast<double>(ms) / kMsPerDay;
}

TDateParts DecodeDate(TDateTime dt) {
    return CivilFromDays(ToStamp(dt).day - kEpochOffset);
}

TTimeParts DecodeTime(TDateTime dt) {
    const int ms = static_cast<int>(ToStamp(dt).ms);
    return {ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms % 1000};
}

int DayOfWeek(TDateTime dt) {
    // Day 0 was a Saturday.
    const int64_t r = (ToStamp(dt).day % 7 + 7) % 7;
    return static_cast<int>((r + 6) % 7) + 1;
}

namespace {
constexpr int kMaxNesting = 2;

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}
bool IsLetter(char c) {
    return Upper(c) >= 'A' && Upper(c) <= 'Z';
}
bool MatchesAt(std::string_view s, size_t i, std::string_view upperText) {
    if (s.size() - i < upperText.size())
        return false;
    for (size_t k = 0; k < upperText.size(); ++k)
        if (Upper(s[i + k]) != upperText[k])
            return false;
    return true;
}

// Length of the am/pm marker at i (all single-byte, so it cannot start inside a character).
size_t MarkerAt(std::string_view s, size_t i) {
    if (MatchesAt(s, i, "AM/PM"))
        return 5;
    if (MatchesAt(s, i, "AMPM"))
        return 4;
    if (MatchesAt(s, i, "A/P"))
        return 3;
    return 0;
}

// The position after quoted text that opens at i.
size_t AfterQuote(std::string_view s, size_t i) {
    const size_t close = FindChar(s, s[i], i + 1);
    return close == npos ? s.size() : close + 1;
}

bool HasMarker(std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        if (s[i] == '\'' || s[i] == '"')
            i = AfterQuote(s, i);
        else if (MarkerAt(s, i))
            return true;
        else
            i = NextChar(s, i);
    }
    return false;
}

std::string Number(int64_t value, size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), '0');
    return digits;
}

class Formatter {
public:
    Formatter(TDateTime dt, const TFormatSettings& settings)
        : settings_(settings), date_(DecodeDate(dt)), time_(DecodeTime(dt)),
          weekDay_(DayOfWeek(dt) - 1) {}

    void Append(std::string_view f, int depth) {
        if (depth > kMaxNesting)
            return;
        const bool twelveHour = HasMarker(f);
        char last = 0;
        size_t i = 0;
        while (i < f.size()) {
            if (CharLength(f, i) == 2) {
                out_.append(f.substr(i, 2));
                i += 2;
                continue;
            }
            char token = Upper(f[i]);
            if (IsLetter(token)) {
                if (token == 'M' && last == 'H')
                    token = 'N';
                last = token;
            }
            size_t run = 1;
            if (IsLetter(token))
                while (i + run < f.size() && Upper(f[i + run]) == Upper(f[i]))
                    ++run;
            i = Token(f, i, token, run, twelveHour, depth);
        }
    }

    std::string Result() && { return std::move(out_); }

private:
    // Writes the token at i and returns the position after it.
    size_t Token(std::string_view f, size_t i, char token, size_t run, bool twelveHour, int depth) {
        const bool pm = time_.Hour >= 12;
        switch (token) {
        case 'Y':
            out_ += run <= 2 ? Number(date_.Year % 100, 2) : Number(date_.Year, 4);
            return i + run;
        case 'M':
            if (run <= 2)
                out_ += Number(date_.Month, run);
            else
                out_ += (run == 3 ? settings_.ShortMonthNames
                                  : settings_.LongMonthNames)[static_cast<size_t>(date_.Month - 1)];
            return i + run;
        case 'D':
            if (run <= 2)
                out_ += Number(date_.Day, run);
            else if (run <= 4)
                out_ += (run == 3 ? settings_.ShortDayNames
                                  : settings_.LongDayNames)[static_cast<size_t>(weekDay_)];
            else
                Append(run == 5 ? settings_.ShortDateFormat : settings_.LongDateFormat, depth + 1);
            return i + run;
        case 'H': {
            int h = time_.Hour;
            if (twelveHour)
                h = h % 12 == 0 ? 12 : h % 12;
            out_ += Number(h, std::min<size_t>(run, 2));
            return i + run;
        }
        case 'N':
            out_ += Number(time_.Minute, std::min<size_t>(run, 2));
            return i + run;
        case 'S':
            out_ += Number(time_.Second, std::min<size_t>(run, 2));
            return i + run;
        case 'Z':
            out_ += Number(time_.MilliSecond, std::min<size_t>(run, 3));
            return i + run;
        case 'T':
            Append(run == 1 ? settings_.ShortTimeFormat : settings_.LongTimeFormat, depth + 1);
            return i + run;
        case 'C':
            Append(settings_.ShortDateFormat, depth + 1);
            out_ += ' ';
            Append(settings_.LongTimeFormat, depth + 1);
            return i + run;
        case 'A':
            switch (MarkerAt(f, i)) {
            case 5:
                out_.append(f.substr(pm ? i + 3 : i, 2));
                return i + 5;
            case 4:
                out_ += pm ? settings_.TimePMString : settings_.TimeAMString;
                return i + 4;
            case 3:
                out_ += f[pm ? i + 2 : i];
                return i + 3;
            }
            out_ += f[i];
            return i + 1;
        case '/':
            out_ += settings_.DateSeparator;
            return i + 1;
        case ':':
            out_ += settings_.TimeSeparator;
            return i + 1;
        case '\'':
        case '"': {
            const size_t close = FindChar(f, f[i], i + 1);
            if (close == npos) {
                out_.append(f.substr(i + 1));
                return f.size();
            }
            out_.append(f.substr(i + 1, close - i - 1));
            return close + 1;
        }
        default:
            out_ += f[i];
            return i + 1;
        }
    }

    const TFormatSettings& settings_;
    TDateParts date_;
    TTimeParts time_;
    int weekDay_;
    std::string out_;
};
} // namespace

std::string FormatDateTime(std::string_view format, TDateTime dt, const TFormatSettings& settings) {
    Formatter formatter(dt, settings);
    formatter.Append(format, 0);
    return std::move(formatter).Result();
}

std::string FromLocalePicture(std::string_view picture) {
    std::string out;
    for (size_t i = 0; i < picture.size();) {
        if (picture[i] == '\'' || picture[i] == '"') {
            const size_t end = AfterQuote(picture, i);
            out.append(picture.substr(i, end - i));
            i = end;
        } else if (Upper(picture[i]) == 'T') {
            while (i < picture.size() && Upper(picture[i]) == 'T')
                ++i;
            out += "ampm";
        } else {
            const size_t n = CharLength(picture, i);
            out.append(picture.substr(i, n));
            i += n;
        }
    }
    return out;
}

TFormatSettings JapaneseFormatSettings() {
    TFormatSettings s;
    s.DateSeparator = "/";
    s.TimeSeparator = ":";
    s.ShortDateFormat = "yyyy/MM/dd";
    s.LongDateFormat = "yyyy'年'M'月'd'日'";
    s.ShortTimeFormat = "H:mm";
    s.LongTimeFormat = "H:mm:ss";
    for (size_t m = 0; m < 12; ++m) {
        s.ShortMonthNames[m] = std::to_string(m + 1);
        s.LongMonthNames[m] = std::to_string(m + 1) + "月";
    }
    static constexpr std::array<const char*, 7> kDays{"日", "月", "火", "水", "木", "金", "土"};
    for (size_t d = 0; d < 7; ++d) {
        s.ShortDayNames[d] = kDays[d];
        s.LongDayNames[d] = std::string(kDays[d]) + "曜日";
    }
    s.TimeAMString = "午前";
    s.TimePMString = "午後";
    return s;
}

const TFormatSettings& UserFormatSettings() {
    static const TFormatSettings settings = ReadUserFormatSettings();
    return settings;
}

} // namespace forms
