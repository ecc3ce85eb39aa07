#include "schedule/daily_schedule_win.h"

// The daily schedule comes with its dialog; until then nothing is due.
void CheckDailySchedule(HWND) {}
