// The monitors as the system lays them out, and each one's DPI.
#pragma once
#include <windows.h>

#include "../common/geometry.h"

// The monitors, the primary first: found once per push, at start-up and
// when the displays change, and nowhere else.
void FindMonitors(Monitors& monitors);

// The primary screen's size as the system reports it now.
ScreenSize PrimaryScreenSize();

// A monitor's DPI, the system's own where Windows cannot tell one monitor's
// (before 8.1), and the system's.
int DpiOfMonitor(const Rect& monitor);
int SystemDpi();

// Let a test declare the monitors, the primary first, as Wine under Xvfb
// shows only one, and give them DPIs of their own, as Wine shows every
// monitor at the system's; none restores the system's answers.
void SetMonitorsForTests(const Rect* monitors, int count);
void SetMonitorDpiForTests(int (*dpiOf)(const Rect& monitor));
