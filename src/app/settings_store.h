#pragma once
// The settings store interface belongs to the framework; this name stays for
// the code that includes it from here.
#include "framework/settings_store.h"
