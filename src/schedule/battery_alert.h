#pragma once
// The frame hands every power broadcast here, whatever its event code.
void OnPowerBroadcast();
