// The serial ports of this machine on the communication settings panel: a list
// the operator picks a port from, the hint under it, and the port number
// field's tooltip. Picking a port puts its number into the port number field;
// a port without one gets the lowest free number, for which the program makes
// the COM<n> link itself. While the panel is shown the list follows adapters
// plugged in and pulled.
#pragma once

// Lists the ports again, shows them, and keeps them current (at most once a
// second) until the panel is hidden.
void ShowPortList();

int CC_RINGPortList(int panel, int control, int event, void* data, int eventData1, int eventData2);
