// The serial ports of this machine shown on the communication settings panel,
// beside the Try to connect button and as the port number field's tooltip, so
// that the operator finds the number of an adapter without guessing.
#pragma once

// Lists the ports again and shows them; the list control is made on first use.
void ShowPortList();
// The list control, or 0 when it has not been made yet.
int PortListControl();
