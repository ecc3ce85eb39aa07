#include "schedule/battery_alert.h"

// The low-battery check comes with the scheduling subsystem; until then a
// power broadcast leaves nothing to do.
void OnPowerBroadcast() {}
