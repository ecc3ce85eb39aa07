// Vandric's window caption, from Vandric's own header: its message numbers
// clash with Umbrix's, so the two headers cannot meet in one file.
#include "timer/vandric_messages.h"

extern const wchar_t* const kVandricWindowCaption = kVandricSettingsCaption;
